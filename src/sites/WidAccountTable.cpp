#include "sites/WidAccountTable.h"

#include "core/DBSql.h"

namespace Vexal {

WidAccountTable::WidAccountTable(SyncManager* syncManager, QWidget* parent)
    : BaseTable(syncManager, parent, DBDefaultColumns::Accounts, &DBSql::tableAccount)
{
}

} // namespace Vexal
