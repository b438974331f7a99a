#pragma once

#include "core/DBSql.h"
#include "views/BaseTable.h"

namespace Vexal {

// The History rows of one period: two fixed conditions on CreateDate, which
// is stored as "yyyy-MM-ddThh:mm:ss" text and compared with date texts.
class WidHistoryTable final : public BaseRecordTable<BaseTable, &DBSql::tableHistory>
{
    Q_OBJECT
public:
    using BaseRecordTable::BaseRecordTable;

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
