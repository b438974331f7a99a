#include "automation/WidSocialBookmarkTemplateTable.h"

#include "core/DBSql.h"

namespace Vexal {

WidSocialBookmarkTemplateTable::WidSocialBookmarkTemplateTable(SyncManager* syncManager, QWidget* parent)
    : BaseTable(syncManager, parent, DBDefaultColumns::SocialBookmarkTemplates, &DBSql::tableSocialBookmarkTemplate)
{
}

} // namespace Vexal
