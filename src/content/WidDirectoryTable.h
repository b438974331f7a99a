#pragma once

#include "views/BaseTable.h"

namespace Vexal {

// The directory entries of every project.
class WidDirectoryTable final : public BaseTable
{
    Q_OBJECT
public:
    explicit WidDirectoryTable(SyncManager* syncManager, QWidget* parent = nullptr);
};

} // namespace Vexal
