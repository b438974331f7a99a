#include "views/WidHistoryTable.h"

#include "data/DBColumn.h"
#include "core/DBSql.h"
#include "texts/LocaleHistory.h"
#include "views/SqlFilter.h"
#include "views/WidHistoryTree.h"

#include <QAction>
#include <QDate>
#include <QMenu>

namespace Vexal {

void WidHistoryTable::addMenuItems()
{
    connect(addCommandItem(LocaleHistory::load(), CommandLoad), &QAction::triggered, this, &WidHistoryTable::onLoad);
    m_tableMenu->addSeparator();
}

void WidHistoryTable::addFixedFilters()
{
    BaseTable::addFixedFilters();
    const QDate today = QDate::currentDate();
    dateFilter = addFixedFilter(DBColumn::KindDate, SqlFilter::GreaterOrEqual, DBSql::colCreateDate(), today);
    dateFilter->setHeader(DBSql::colCreateDate());
    yesterdayFilter =
        addFixedFilter(DBColumn::KindDate, SqlFilter::GreaterOrEqual, DBSql::colCreateDate(), today.addDays(-1));
    yesterdayFilter->setHeader(DBSql::colCreateDate());
    yesterdayFilter->setEnabled(false);
}

bool WidHistoryTable::setPeriod(int period)
{
    return setPeriod(period, QDate::currentDate());
}

bool WidHistoryTable::setPeriod(int period, const QDate& today)
{
    if (!dateFilter || !yesterdayFilter) {
        reportInvalidObject(QStringLiteral("dateFilter"));
        return false;
    }
    dateFilter->setOperator(SqlFilter::GreaterOrEqual);
    dateFilter->setValue(today);
    yesterdayFilter->setValue(today.addDays(-1));
    yesterdayFilter->setEnabled(false);
    switch (period) {
    case WidHistoryTree::PeriodYesterday:
        // The stored text starts with the date: "<=" today's date leaves out
        // every visit of today, ">=" yesterday's takes in all of yesterday.
        dateFilter->setOperator(SqlFilter::LessOrEqual);
        yesterdayFilter->setEnabled(true);
        break;
    case WidHistoryTree::PeriodLastWeek:
        dateFilter->setValue(today.addDays(-7));
        break;
    case WidHistoryTree::PeriodLastMonth:
        dateFilter->setValue(today.addMonths(-1));
        break;
    default:
        break;
    }
    return applyFilters();
}

} // namespace Vexal
