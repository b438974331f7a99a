#include "views/WidUrlShortcutTable.h"

#include "core/DBSql.h"

namespace Vexal {

WidUrlShortcutTable::WidUrlShortcutTable(SyncManager* syncManager, QWidget* parent)
    : BaseTable(syncManager, parent, DBDefaultColumns::UrlShortcuts, &DBSql::tableUrlShortcut)
{
}

} // namespace Vexal
