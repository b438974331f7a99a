#pragma once

#include "data/DBSocialBookmarkList.h"
#include "views/BaseComboBox.h"

namespace Vexal {

// The social bookmarks of the current project, sorted by name.
class WidSocialBookmarkComboBox final : public BaseProjectComboBox<DBSocialBookmarkList>
{
    Q_OBJECT
public:
    using BaseProjectComboBox::BaseProjectComboBox;
};

} // namespace Vexal
