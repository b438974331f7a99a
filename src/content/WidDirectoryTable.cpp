#include "content/WidDirectoryTable.h"

#include "core/DBSql.h"

namespace Vexal {

WidDirectoryTable::WidDirectoryTable(SyncManager* syncManager, QWidget* parent)
    : BaseTable(syncManager, parent, DBDefaultColumns::Directories, &DBSql::tableDirectory)
{
}

} // namespace Vexal
