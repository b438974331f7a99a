#pragma once

#include "data/DBProjectListBase.h"

namespace Vexal {

class DBSocialBookmark;

// The social bookmarks of one project.
class DBSocialBookmarkList : public DBProjectListBase
{
    Q_OBJECT
public:
    explicit DBSocialBookmarkList(int projectId, QObject* parent = nullptr);

    // Null outside the list, and when the entry is of another kind.
    DBSocialBookmark* at(int index) const;
    DBSocialBookmark* findById(int id) const;
    // The first record; on an empty list a new unsaved one of the list's project, appended.
    DBSocialBookmark* firstOrCreate();
};

} // namespace Vexal
