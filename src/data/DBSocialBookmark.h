#pragma once

#include "data/DBKind.h"
#include "data/DBSubmission.h"

namespace Vexal {

// One row of "SocialBookmark": a project's bookmark submitted to social
// bookmarking sites.
class DBSocialBookmark
    : public DBKind<DBSocialBookmark, &DBSql::tableSocialBookmark, &LocaleSql::tableSocialBookmarks, DBSubmission>
{
    Q_OBJECT
public:
    using DBKind::DBKind;
};

} // namespace Vexal
