#pragma once

#include "core/DBSql.h"
#include "views/BaseTable.h"

namespace Vexal {

// The articles of every project, with the row-menu entries Copy and Spin.
class WidArticleTable final : public BaseRecordTable<BaseTable, &DBSql::tableArticle>
{
    Q_OBJECT
public:
    using BaseRecordTable::BaseRecordTable;

signals:
    void onCopy();
    void onSpin();

protected:
    void addMenuItems() override;
};

} // namespace Vexal
