#pragma once

#include "views/BaseTable.h"

namespace Vexal {

// The stored page ranks.
class WidRankTable final : public BaseTable
{
    Q_OBJECT
public:
    WidRankTable(SyncManager* syncManager, QWidget* parent = nullptr);
};

} // namespace Vexal
