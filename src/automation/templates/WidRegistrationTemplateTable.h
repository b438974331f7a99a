#pragma once

#include "automation/templates/BaseTypeTemplateTable.h"
#include "core/DBSql.h"
#include "views/BaseTable.h"

namespace Vexal {

class WidRegistrationTemplateTable final
    : public BaseRecordTable<BaseTypeTemplateTable, &DBSql::tableRegistrationTemplate>
{
    Q_OBJECT
public:
    using BaseRecordTable::BaseRecordTable;
};

} // namespace Vexal
