#include "automation/WidDirectoryTemplateTable.h"

#include "data/DBSql.h"

namespace Vexal {

WidDirectoryTemplateTable::WidDirectoryTemplateTable(SyncManager* syncManager, QWidget* parent)
    : BaseTable(syncManager, parent, DBDefaultColumns::DirectoryTemplates, &DBSql::tableDirectoryTemplate)
{
}

} // namespace Vexal
