#include "data/DBHistoryList.h"

#include "core/DBSql.h"
#include "data/DBHistory.h"

namespace Vexal {

QString DBHistoryList::orderText() const
{
    // The History table keeps the visit time in CreateDate.
    if (filterMode() == ModeRecent)
        return QStringLiteral("ORDER BY %1 DESC LIMIT %2").arg(DBSql::colCreateDate(), QString::number(recentLimit));
    return DBListBase::orderText();
}

} // namespace Vexal
