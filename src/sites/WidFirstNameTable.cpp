#include "sites/WidFirstNameTable.h"

#include "data/DBSql.h"

namespace Vexal {

WidFirstNameTable::WidFirstNameTable(SyncManager* syncManager, QWidget* parent)
    : BaseTable(syncManager, parent, DBDefaultColumns::FirstNames, &DBSql::tableFirstName)
{
}

} // namespace Vexal
