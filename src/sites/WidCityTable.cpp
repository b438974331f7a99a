#include "sites/WidCityTable.h"

#include "core/DBSql.h"

namespace Vexal {

WidCityTable::WidCityTable(SyncManager* syncManager, QWidget* parent)
    : BaseTable(syncManager, parent, DBDefaultColumns::Cities, &DBSql::tableCity)
{
}

} // namespace Vexal
