#pragma once

#include "views/BaseTable.h"

namespace Vexal {

// The social bookmarks of every project.
class WidSocialBookmarkTable final : public BaseTable
{
    Q_OBJECT
public:
    explicit WidSocialBookmarkTable(SyncManager* syncManager, QWidget* parent = nullptr);
};

} // namespace Vexal
