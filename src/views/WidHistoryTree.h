#pragma once

#include "views/BaseTree.h"

class QTreeWidgetItem;

namespace Vexal {

// The period tree of the history journal: Today, Yesterday, Last Week and
// Last Month, with the period code under Qt::UserRole.
class WidHistoryTree final : public BaseTree
{
    Q_OBJECT
public:
    enum Period { PeriodToday = 0, PeriodYesterday = 1, PeriodLastWeek = 2, PeriodLastMonth = 3 };

    WidHistoryTree(SyncManager* syncManager, QWidget* parent = nullptr);

    // The code of the chosen item; Today when none is chosen.
    int currentPeriod() const;

    QTreeWidgetItem* todayItem = nullptr;
    QTreeWidgetItem* yesterdayItem = nullptr;
    QTreeWidgetItem* lastWeekItem = nullptr;
    QTreeWidgetItem* lastMonthItem = nullptr;

protected:
    void reload() override;

private:
    QTreeWidgetItem* addItem(int period, const QString& text);
};

} // namespace Vexal
