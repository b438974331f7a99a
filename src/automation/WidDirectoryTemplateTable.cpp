#include "automation/WidDirectoryTemplateTable.h"

#include "core/DBSql.h"

namespace Vexal {

WidDirectoryTemplateTable::WidDirectoryTemplateTable(SyncManager* syncManager, QWidget* parent)
    : BaseTable(syncManager, parent, DBDefaultColumns::DirectoryTemplates, &DBSql::tableDirectoryTemplate)
{
}

} // namespace Vexal
