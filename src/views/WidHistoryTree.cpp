#include "views/WidHistoryTree.h"

#include "texts/ConstIcon.h"
#include "texts/LocaleHistory.h"

namespace Vexal {

WidHistoryTree::WidHistoryTree(SyncManager* syncManager, QWidget* parent)
    : BaseTree(syncManager, {}, parent)
{
}

void WidHistoryTree::reload()
{
    clear();
    setColumnCount(1);
    setHeaderLabel(LocaleHistory::history());
    setSelectionMode(QAbstractItemView::SingleSelection);
    todayItem = addItem(PeriodToday, LocaleHistory::today());
    yesterdayItem = addItem(PeriodYesterday, LocaleHistory::yesterday());
    lastWeekItem = addItem(PeriodLastWeek, LocaleHistory::lastWeek());
    lastMonthItem = addItem(PeriodLastMonth, LocaleHistory::lastMonth());
    setCurrentItem(todayItem);
}

QTreeWidgetItem* WidHistoryTree::addItem(int period, const QString& text)
{
    auto* item = new QTreeWidgetItem;
    item->setText(0, text);
    item->setIcon(0, QIcon(ConstIcon::historyItem(16)));
    item->setData(0, Qt::UserRole, period);
    insertTopLevelItem(period, item);
    return item;
}

int WidHistoryTree::currentPeriod() const
{
    // The selection changes before the current item when the selection is
    // set from the keyboard or by code; the selected item is the chosen one.
    const QList<QTreeWidgetItem*> selected = selectedItems();
    const QTreeWidgetItem* item = selected.isEmpty() ? currentItem() : selected.first();
    return item ? item->data(0, Qt::UserRole).toInt() : PeriodToday;
}

} // namespace Vexal
