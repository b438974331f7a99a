#include "automation/WidRegistrationTemplateTable.h"

#include "core/DBSql.h"

namespace Vexal {

WidRegistrationTemplateTable::WidRegistrationTemplateTable(SyncManager* syncManager, QWidget* parent)
    : BaseTypeTemplateTable(syncManager, parent, DBDefaultColumns::RegistrationTemplates, &DBSql::tableRegistrationTemplate)
{
}

} // namespace Vexal
