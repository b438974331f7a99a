#pragma once

#include "views/BaseTable.h"

namespace Vexal {

// The accounts of every project, with their project and website names.
class WidAccountTable final : public BaseTable
{
    Q_OBJECT
public:
    WidAccountTable(SyncManager* syncManager, QWidget* parent = nullptr);
};

} // namespace Vexal
