#pragma once

#include "core/DBSql.h"
#include "views/BaseTable.h"

namespace Vexal {

// The directory entries of every project.
class WidDirectoryTable final : public BaseRecordTable<BaseTable, &DBSql::tableDirectory>
{
    Q_OBJECT
public:
    using BaseRecordTable::BaseRecordTable;
};

} // namespace Vexal
