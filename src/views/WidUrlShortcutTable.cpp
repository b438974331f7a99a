#include "views/WidUrlShortcutTable.h"

#include "data/DBSql.h"

namespace Vexal {

WidUrlShortcutTable::WidUrlShortcutTable(SyncManager* syncManager, QWidget* parent)
    : BaseTable(syncManager, parent, DBDefaultColumns::UrlShortcuts, &DBSql::tableUrlShortcut)
{
}

} // namespace Vexal
