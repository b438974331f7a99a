#pragma once

#include "core/DBSql.h"
#include "views/BaseTable.h"

namespace Vexal {

// The stored first names.
class WidFirstNameTable final : public BaseRecordTable<BaseTable, &DBSql::tableFirstName>
{
    Q_OBJECT
public:
    using BaseRecordTable::BaseRecordTable;
};

} // namespace Vexal
