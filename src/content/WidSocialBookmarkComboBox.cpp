#include "content/WidSocialBookmarkComboBox.h"

#include "data/DBCache.h"
#include "data/DBSocialBookmarkList.h"

namespace Vexal {

WidSocialBookmarkComboBox::WidSocialBookmarkComboBox(QWidget* parent)
    : BaseComboBox(parent)
{
}

void WidSocialBookmarkComboBox::reload()
{
    DBSocialBookmarkList bookmarks(DBCache::projectId());
    fill(&bookmarks, true);
}

} // namespace Vexal
