#include "content/WidLanguageTable.h"

#include "core/DBSql.h"

namespace Vexal {

WidLanguageTable::WidLanguageTable(SyncManager* syncManager, QWidget* parent)
    : BaseTable(syncManager, parent)
{
}

QString WidLanguageTable::viewName() const
{
    return DBSql::tableLanguage();
}

QString WidLanguageTable::tableName() const
{
    return DBSql::tableLanguage();
}

} // namespace Vexal
