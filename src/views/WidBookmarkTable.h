#pragma once

#include "core/DBSql.h"
#include "views/BaseTable.h"

namespace Vexal {

// The Bookmark rows, with Visible, Hidden and Load in the row menu.
class WidBookmarkTable final : public BaseRecordTable<BaseTable, &DBSql::tableBookmark>
{
    Q_OBJECT
public:
    using BaseRecordTable::BaseRecordTable;

signals:
    void onLoad();
    void onVisible();
    void onHidden();

protected:
    void addMenuItems() override;
};

} // namespace Vexal
