#include "sites/WidAddressTable.h"

#include "core/DBSql.h"

namespace Vexal {

WidAddressTable::WidAddressTable(SyncManager* syncManager, QWidget* parent)
    : BaseTable(syncManager, parent, DBDefaultColumns::Addresses, &DBSql::tableAddress)
{
}

} // namespace Vexal
