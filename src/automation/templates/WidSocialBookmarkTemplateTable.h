#pragma once

#include "core/DBSql.h"
#include "views/BaseTable.h"

namespace Vexal {

class WidSocialBookmarkTemplateTable final
    : public BaseRecordTable<BaseTable, &DBSql::tableSocialBookmarkTemplate>
{
    Q_OBJECT
public:
    using BaseRecordTable::BaseRecordTable;
};

} // namespace Vexal
