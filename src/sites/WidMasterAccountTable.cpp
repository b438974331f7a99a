#include "sites/WidMasterAccountTable.h"

#include "core/DBSql.h"
#include "sites/SiteCommands.h"
#include "texts/LocaleAccount.h"

#include <QAction>

namespace Vexal {

WidMasterAccountTable::WidMasterAccountTable(SyncManager* syncManager, QWidget* parent)
    : BaseTable(syncManager, parent, DBDefaultColumns::MasterAccounts, &DBSql::tableMasterAccount)
{
}

void WidMasterAccountTable::addMenuItems()
{
    connect(addCommandItem(LocaleAccount::select(), SiteCommands::Select), &QAction::triggered, this,
            &WidMasterAccountTable::onSelect);
}

} // namespace Vexal
