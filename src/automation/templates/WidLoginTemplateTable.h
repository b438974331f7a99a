#pragma once

#include "automation/templates/BaseTypeTemplateTable.h"
#include "core/DBSql.h"
#include "views/BaseTable.h"

namespace Vexal {

class WidLoginTemplateTable final
    : public BaseRecordTable<BaseTypeTemplateTable, &DBSql::tableLoginTemplate>
{
    Q_OBJECT
public:
    using BaseRecordTable::BaseRecordTable;
};

} // namespace Vexal
