#pragma once

#include "views/BaseTable.h"

namespace Vexal {

// The categories, each with its master category.
class WidCategoryTable final : public BaseTable
{
    Q_OBJECT
public:
    explicit WidCategoryTable(SyncManager* syncManager, QWidget* parent = nullptr);
};

} // namespace Vexal
