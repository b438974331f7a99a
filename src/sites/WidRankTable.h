#pragma once

#include "core/DBSql.h"
#include "views/BaseTable.h"

namespace Vexal {

// The stored page ranks.
class WidRankTable final : public BaseRecordTable<BaseTable, &DBSql::tableRank>
{
    Q_OBJECT
public:
    using BaseRecordTable::BaseRecordTable;
};

} // namespace Vexal
