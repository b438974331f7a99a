#pragma once

#include "core/DBSql.h"
#include "views/BaseTable.h"

namespace Vexal {

// The stored addresses.
class WidAddressTable final : public BaseRecordTable<BaseTable, &DBSql::tableAddress>
{
    Q_OBJECT
public:
    using BaseRecordTable::BaseRecordTable;
};

} // namespace Vexal
