#pragma once

#include "core/DBSql.h"
#include "views/BaseTable.h"

namespace Vexal {

// The accounts of every project, with their project and website names.
class WidAccountTable final : public BaseRecordTable<BaseTable, &DBSql::tableAccount>
{
    Q_OBJECT
public:
    using BaseRecordTable::BaseRecordTable;
};

} // namespace Vexal
