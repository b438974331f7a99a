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
    using DBTypedList::DBTypedList;
};

} // namespace Vexal
