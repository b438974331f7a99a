#include "content/WidSocialBookmarkTable.h"

#include "core/DBSql.h"

namespace Vexal {

WidSocialBookmarkTable::WidSocialBookmarkTable(SyncManager* syncManager, QWidget* parent)
    : BaseTable(syncManager, parent, DBDefaultColumns::SocialBookmarks, &DBSql::tableSocialBookmark)
{
}

} // namespace Vexal
