#include "automation/WidArticleTemplateTable.h"

#include "core/DBSql.h"

namespace Vexal {

WidArticleTemplateTable::WidArticleTemplateTable(SyncManager* syncManager, QWidget* parent)
    : BaseTable(syncManager, parent, DBDefaultColumns::ArticleTemplates, &DBSql::tableArticleTemplate)
{
}

} // namespace Vexal
