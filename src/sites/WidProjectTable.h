#pragma once

#include "core/DBSql.h"
#include "views/BaseTable.h"

namespace Vexal {

// The projects, with the row-menu entry Select (makes the row the current
// project).
class WidProjectTable final : public BaseRecordTable<BaseTable, &DBSql::tableProject>
{
    Q_OBJECT
public:
    using BaseRecordTable::BaseRecordTable;

signals:
    void onSelect();

protected:
    void addMenuItems() override;
};

} // namespace Vexal
