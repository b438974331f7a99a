#include "sites/WidMasterAccountTable.h"

#include "texts/LocaleAccount.h"

#include <QAction>

namespace Vexal {

void WidMasterAccountTable::addMenuItems()
{
    connect(addCommandItem(LocaleAccount::select(), BaseTable::CommandSelect), &QAction::triggered, this,
            &WidMasterAccountTable::onSelect);
}

} // namespace Vexal
