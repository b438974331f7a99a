#include "views/DelegateHistory.h"

#include "core/Init.h"
#include "data/DBQueryManager.h"
#include "shell/BaseTab.h"
#include "shell/WidTabManager.h"
#include "views/DlgCleanHistory.h"
#include "views/UtilDialog.h"
#include "views/UtilReport.h"
#include "views/WidHistoryJournal.h"

namespace Vexal {

DelegateHistory::DelegateHistory(WidTabManager* tabManager, QObject* parent)
    : DelegateBase(tabManager, parent)
{
}

int DelegateHistory::history()
{
    return openUniqueTab<WidHistoryJournal>();
}

bool DelegateHistory::clearRecentHistory()
{
    DlgCleanHistory dialog;
    dialog.build(nullptr);
    // The host of the current web page is offered; any other page offers none.
    if (WidTabManager* manager = tabManager()) {
        BaseTab* page = manager->pageAt(manager->currentIndex());
        if (page && page->isWebPage())
            dialog.setUrl(page->url());
    }
    if (UtilDialog::exec(&dialog) != QDialog::Accepted)
        return false;
    DBQueryManager query;
    if (!query.clearHistory(dialog.period(), dialog.hours(), dialog.host())) {
        UtilReport::error(query.errorText(), query.failureCause());
        return false;
    }
    return true;
}

} // namespace Vexal
