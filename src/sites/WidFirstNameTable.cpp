#include "sites/WidFirstNameTable.h"

#include "core/DBSql.h"

namespace Vexal {

WidFirstNameTable::WidFirstNameTable(SyncManager* syncManager, QWidget* parent)
    : BaseTable(syncManager, parent, DBDefaultColumns::FirstNames, &DBSql::tableFirstName)
{
}

} // namespace Vexal
