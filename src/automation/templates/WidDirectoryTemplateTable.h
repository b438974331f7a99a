#pragma once

#include "core/DBSql.h"
#include "views/BaseTable.h"

namespace Vexal {

class WidDirectoryTemplateTable final
    : public BaseRecordTable<BaseTable, &DBSql::tableDirectoryTemplate>
{
    Q_OBJECT
public:
    using BaseRecordTable::BaseRecordTable;
};

} // namespace Vexal
