#include "sites/WidLastNameTable.h"

#include "core/DBSql.h"

namespace Vexal {

WidLastNameTable::WidLastNameTable(SyncManager* syncManager, QWidget* parent)
    : BaseTable(syncManager, parent, DBDefaultColumns::LastNames, &DBSql::tableLastName)
{
}

} // namespace Vexal
