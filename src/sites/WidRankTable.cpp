#include "sites/WidRankTable.h"

#include "core/DBSql.h"

namespace Vexal {

WidRankTable::WidRankTable(SyncManager* syncManager, QWidget* parent)
    : BaseTable(syncManager, parent, DBDefaultColumns::Ranks, &DBSql::tableRank)
{
}

} // namespace Vexal
