#pragma once

#include "core/DBSql.h"
#include "views/BaseTable.h"

namespace Vexal {

// The master accounts, with the row-menu entry Select (makes the row the
// active master account).
class WidMasterAccountTable final
    : public BaseRecordTable<BaseTable, &DBSql::tableMasterAccount>
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
