#pragma once

#include "core/DBSql.h"
#include "views/BaseTable.h"

namespace Vexal {

// The categories, each with its master category.
class WidCategoryTable final : public BaseRecordTable<BaseTable, &DBSql::tableCategory>
{
    Q_OBJECT
public:
    using BaseRecordTable::BaseRecordTable;
};

} // namespace Vexal
