#include "content/WidCategoryTable.h"

#include "core/DBSql.h"

namespace Vexal {

WidCategoryTable::WidCategoryTable(SyncManager* syncManager, QWidget* parent)
    : BaseTable(syncManager, parent, DBDefaultColumns::Categories, &DBSql::tableCategory)
{
}

} // namespace Vexal
