#pragma once

#include "core/DBSql.h"
#include "views/BaseTable.h"

namespace Vexal {

class WidArticleTemplateTable final
    : public BaseRecordTable<BaseTable, &DBSql::tableArticleTemplate>
{
    Q_OBJECT
public:
    using BaseRecordTable::BaseRecordTable;
};

} // namespace Vexal
