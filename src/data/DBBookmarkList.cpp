#include "data/DBBookmarkList.h"

#include "core/DBSql.h"
#include "data/DBBookmark.h"

namespace Vexal {

QString DBBookmarkList::whereText() const
{
    if (filterMode() == ModeVisible || filterMode() == ModeMenu)
        return QStringLiteral("%1=1").arg(DBSql::colVisible());
    return DBListBase::whereText();
}

QString DBBookmarkList::orderText() const
{
    // Text compares by its bytes (UTF-8), which orders by character number;
    // the ID keeps equal names in the order they were stored.
    if (filterMode() == ModeMenu)
        return QStringLiteral("ORDER BY %1, %2 LIMIT %3")
            .arg(DBSql::colName(), DBSql::colID(), QString::number(menuLimit));
    return DBListBase::orderText();
}

} // namespace Vexal
