#pragma once

#include "views/BaseTable.h"

namespace Vexal {

// The projects, with the row-menu entry Select (makes the row the current
// project).
class WidProjectTable final : public BaseTable
{
    Q_OBJECT
public:
    WidProjectTable(SyncManager* syncManager, QWidget* parent = nullptr);

signals:
    void onSelect();

protected:
    void addMenuItems() override;
};

} // namespace Vexal
