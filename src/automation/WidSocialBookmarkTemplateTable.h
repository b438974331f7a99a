#pragma once

#include "views/BaseTable.h"

namespace Vexal {

class WidSocialBookmarkTemplateTable final : public BaseTable
{
    Q_OBJECT
public:
    WidSocialBookmarkTemplateTable(SyncManager* syncManager, QWidget* parent);
};

} // namespace Vexal
