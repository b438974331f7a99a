#include "data/DBSocialBookmarkList.h"

#include "data/DBSocialBookmark.h"

namespace Vexal {

DBSocialBookmarkList::DBSocialBookmarkList(int projectId, QObject* parent)
    : DBTypedList(projectId, parent)
{
    setPrototype(new DBSocialBookmark(this));
}

DBSocialBookmark* DBSocialBookmarkList::firstOrCreate()
{
    if (count() > 0)
        return at(0);
    auto* bookmark = new DBSocialBookmark(this);
    bookmark->setProjectId(projectId());
    append(bookmark);
    return bookmark;
}

} // namespace Vexal
