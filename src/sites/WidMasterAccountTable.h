#pragma once

#include "views/BaseTable.h"

namespace Vexal {

// The master accounts, with the row-menu entry Select (makes the row the
// active master account).
class WidMasterAccountTable final : public BaseTable
{
    Q_OBJECT
public:
    WidMasterAccountTable(SyncManager* syncManager, QWidget* parent = nullptr);

signals:
    void onSelect();

protected:
    void addMenuItems() override;
};

} // namespace Vexal
