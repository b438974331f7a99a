#include "data/DBSocialBookmarkList.h"

#include "data/DBSocialBookmark.h"

namespace Vexal {

DBSocialBookmarkList::DBSocialBookmarkList(int projectId, QObject* parent)
    : DBProjectListBase(projectId, parent)
{
    setPrototype(new DBSocialBookmark(this));
}

DBSocialBookmark* DBSocialBookmarkList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<DBSocialBookmark*>(DBListBase::at(index));
}

DBSocialBookmark* DBSocialBookmarkList::findById(int id) const
{
    for (DBBase* record : records()) {
        if (record && record->id() == id)
            return qobject_cast<DBSocialBookmark*>(record);
    }
    return nullptr;
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
