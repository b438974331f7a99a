#include "data/DBHistoryList.h"

#include "core/DBSql.h"
#include "data/DBHistory.h"

namespace Vexal {

DBHistoryList::DBHistoryList(QObject* parent)
    : DBTypedList(parent)
{
    setFilterMode(ModeAll);
}

DBHistoryList::DBHistoryList(bool recent, QObject* parent)
    : DBTypedList(parent)
{
    Q_UNUSED(recent);
    setFilterMode(ModeRecent);
}

QString DBHistoryList::orderText() const
{
    // The History table keeps the visit time in CreateDate.
    if (filterMode() == ModeRecent)
        return QStringLiteral("ORDER BY %1 DESC LIMIT %2").arg(DBSql::colCreateDate(), QString::number(recentLimit));
    return DBListBase::orderText();
}

QAction* DBHistoryList::addMenuItem(int index, QMenu* menu)
{
    DBHistory* history = at(index);
    if (!history || !menu)
        return nullptr;
    return history->addMenuItem(menu);
}

} // namespace Vexal
