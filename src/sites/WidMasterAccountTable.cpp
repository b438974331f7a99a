#include "sites/WidMasterAccountTable.h"

#include "sites/SiteCommands.h"
#include "texts/LocaleAccount.h"

#include <QAction>

namespace Vexal {

void WidMasterAccountTable::addMenuItems()
{
    connect(addCommandItem(LocaleAccount::select(), SiteCommands::Select), &QAction::triggered, this,
            &WidMasterAccountTable::onSelect);
}

} // namespace Vexal
