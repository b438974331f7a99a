#include "automation/WidLoginTemplateTable.h"

#include "core/DBSql.h"

namespace Vexal {

WidLoginTemplateTable::WidLoginTemplateTable(SyncManager* syncManager, QWidget* parent)
    : BaseTypeTemplateTable(syncManager, parent, DBDefaultColumns::LoginTemplates, &DBSql::tableLoginTemplate)
{
}

} // namespace Vexal
