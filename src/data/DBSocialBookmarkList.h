#pragma once

#include "data/DBProjectListBase.h"
#include "data/DBTypedList.h"
#include "data/DBSocialBookmark.h"

namespace Vexal {

// The social bookmarks of one project.
class DBSocialBookmarkList final : public DBTypedList<DBSocialBookmark, DBProjectListBase>
{
    Q_OBJECT
public:
    explicit DBSocialBookmarkList(int projectId, QObject* parent = nullptr);

    // The first record; on an empty list a new unsaved one of the list's project, appended.
    DBSocialBookmark* firstOrCreate();
};

} // namespace Vexal
