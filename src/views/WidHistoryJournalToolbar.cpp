#include "views/WidHistoryJournalToolbar.h"

#include "texts/ConstIcon.h"
#include "texts/LocaleHistory.h"
#include "views/WidHistoryTable.h"

#include <QToolButton>

namespace Vexal {

void WidHistoryJournalToolbar::createExtraButtons()
{
    addButton(ConstIcon::forward(32), LocaleHistory::load(), WidHistoryTable::CommandLoad, this,
              &WidHistoryJournalToolbar::onLoad);
    addSeparator();
}

} // namespace Vexal
