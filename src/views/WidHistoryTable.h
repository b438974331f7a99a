#pragma once

#include "views/BaseTable.h"

namespace Vexal {

// The History rows of one period: two fixed conditions on CreateDate, which
// is stored as "yyyy-MM-ddThh:mm:ss" text and compared with date texts.
class WidHistoryTable final : public BaseTable
{
    Q_OBJECT
public:
    enum { CommandLoad = 21 };

    WidHistoryTable(SyncManager* syncManager, QWidget* parent = nullptr);

    // Sets the fixed conditions of a period code (WidHistoryTree::Period; an
    // unknown code counts as Today) and selects again.
    bool setPeriod(int period);
    bool setPeriod(int period, const QDate& today);

    SqlFilter* dateFilter = nullptr;
    SqlFilter* yesterdayFilter = nullptr;

signals:
    void onLoad();

protected:
    void addMenuItems() override;
    void addFixedFilters() override;
};

} // namespace Vexal
