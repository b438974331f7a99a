#include "data/DBHistoryList.h"

#include "core/DBSql.h"
#include "data/DBHistory.h"


namespace Vexal {

DBHistoryList::DBHistoryList(QObject* parent)
    : DBListBase(parent)
{
    setPrototype(new DBHistory(this));
    setFilterMode(ModeAll);
}

DBHistoryList::DBHistoryList(bool recent, QObject* parent)
    : DBListBase(parent)
{
    Q_UNUSED(recent);
    setPrototype(new DBHistory(this));
    setFilterMode(ModeRecent);
}

QString DBHistoryList::orderText() const
{
    // The History table keeps the visit time in CreateDate.
    if (filterMode() == ModeRecent)
        return QStringLiteral("ORDER BY %1 DESC LIMIT %2").arg(DBSql::colCreateDate(), QString::number(recentLimit));
    return DBListBase::orderText();
}

DBHistory* DBHistoryList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<DBHistory*>(DBListBase::at(index));
}

DBHistory* DBHistoryList::findById(int id) const
{
    for (DBBase* record : records()) {
        if (record && record->id() == id)
            return qobject_cast<DBHistory*>(record);
    }
    return nullptr;
}

DBHistory* DBHistoryList::firstOrCreate()
{
    if (count() > 0)
        return at(0);
    auto* history = new DBHistory(this);
    append(history);
    return history;
}

QAction* DBHistoryList::addMenuItem(int index, QMenu* menu)
{
    DBHistory* history = at(index);
    if (!history || !menu)
        return nullptr;
    return history->addMenuItem(menu);
}

} // namespace Vexal
