#pragma once

#include "core/DBSql.h"
#include "views/BaseTable.h"

namespace Vexal {

// The stored cities.
class WidCityTable final : public BaseRecordTable<BaseTable, &DBSql::tableCity>
{
    Q_OBJECT
public:
    using BaseRecordTable::BaseRecordTable;
};

} // namespace Vexal
