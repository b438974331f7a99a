#pragma once

#include "core/DBSql.h"
#include "views/BaseTable.h"

namespace Vexal {

// The social bookmarks of every project.
class WidSocialBookmarkTable final
    : public BaseRecordTable<BaseTable, &DBSql::tableSocialBookmark>
{
    Q_OBJECT
public:
    using BaseRecordTable::BaseRecordTable;
};

} // namespace Vexal
