#include "sites/WidCountryTable.h"

#include "core/DBSql.h"

namespace Vexal {

WidCountryTable::WidCountryTable(SyncManager* syncManager, QWidget* parent)
    : BaseTable(syncManager, parent, DBDefaultColumns::Countries, &DBSql::tableCountry)
{
}

} // namespace Vexal
