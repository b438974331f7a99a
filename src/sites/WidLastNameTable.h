#pragma once

#include "core/DBSql.h"
#include "views/BaseTable.h"

namespace Vexal {

// The stored last names.
class WidLastNameTable final : public BaseRecordTable<BaseTable, &DBSql::tableLastName>
{
    Q_OBJECT
public:
    using BaseRecordTable::BaseRecordTable;
};

} // namespace Vexal
