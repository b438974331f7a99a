#include "sites/WidMasterAccountJournal.h"

#include "core/Logger.h"
#include "core/SyncManager.h"
#include "core/UtilSignalManager.h"
#include "data/DBQueryManager.h"
#include "sites/SiteCommands.h"
#include "sites/WidMasterAccountEditor.h"
#include "sites/WidMasterAccountTable.h"
#include "sites/WidSiteToolbar.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleAccount.h"

#include <QItemSelectionModel>
#include <QVBoxLayout>

namespace Vexal {

WidMasterAccountJournal::WidMasterAccountJournal(QWidget* parent)
    : BaseJournal(parent)
{
}

QString WidMasterAccountJournal::title() const
{
    return LocaleAccount::masterAccounts();
}

void WidMasterAccountJournal::createToolbar()
{
    toolbar = new WidSiteToolbar(syncManager, {{ConstIcon::check(32), LocaleAccount::select(), SiteCommands::Select}},
                                 this);
    toolbar->build();
    boxLayout->addWidget(toolbar);
}

void WidMasterAccountJournal::connectToolbar()
{
    BaseJournal::connectToolbar();
    connect(static_cast<WidSiteToolbar*>(toolbar), &WidSiteToolbar::onCommand, this,
            &WidMasterAccountJournal::slotSelect);
}

void WidMasterAccountJournal::createTable()
{
    masterAccountTable = new WidMasterAccountTable(syncManager, this);
    installTable(masterAccountTable);
}

void WidMasterAccountJournal::connectTable()
{
    BaseJournal::connectTable();
    connect(masterAccountTable, &WidMasterAccountTable::onSelect, this, &WidMasterAccountJournal::slotSelect);
}

QWidget* WidMasterAccountJournal::createEditor(QWidget* parent)
{
    return new WidMasterAccountEditor(parent);
}

void WidMasterAccountJournal::slotSelectionChanged()
{
    BaseJournal::slotSelectionChanged();
    const bool selected = table && table->selectionModel() && table->selectionModel()->hasSelection();
    syncManager->setEnabled(SiteCommands::Select, selected);
}

void WidMasterAccountJournal::slotSelect()
{
    if (!startCommand(LocaleAccount::select(), SiteCommands::Select))
        return;
    const int id = table->selectedId();
    if (id == -1)
        return;
    DBQueryManager queries;
    if (!queries.setActiveMasterAccount(id)) {
        Logger::error(queries.errorText());
        UtilSignalManager::instance()->emitError(LocaleAccount::unexpectedError());
        return;
    }
    table->reload();
}

} // namespace Vexal
