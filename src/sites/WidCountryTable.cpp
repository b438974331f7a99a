#include "sites/WidCountryTable.h"

#include "data/DBSql.h"

namespace Vexal {

WidCountryTable::WidCountryTable(SyncManager* syncManager, QWidget* parent)
    : BaseTable(syncManager, parent, DBDefaultColumns::Countries, &DBSql::tableCountry)
{
}

} // namespace Vexal
