#include "data/DBBookmarkList.h"

#include "core/DBSql.h"
#include "data/DBBookmark.h"


namespace Vexal {

DBBookmarkList::DBBookmarkList(QObject* parent)
    : DBListBase(parent)
{
    setPrototype(new DBBookmark(this));
    setFilterMode(ModeAll);
}

DBBookmarkList::DBBookmarkList(bool visibleOnly, QObject* parent)
    : DBListBase(parent)
{
    Q_UNUSED(visibleOnly);
    setPrototype(new DBBookmark(this));
    setFilterMode(ModeVisible);
}

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

DBBookmark* DBBookmarkList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<DBBookmark*>(DBListBase::at(index));
}

DBBookmark* DBBookmarkList::findById(int id) const
{
    for (DBBase* record : records()) {
        if (record && record->id() == id)
            return qobject_cast<DBBookmark*>(record);
    }
    return nullptr;
}

DBBookmark* DBBookmarkList::firstOrCreate()
{
    if (count() > 0)
        return at(0);
    auto* bookmark = new DBBookmark(this);
    append(bookmark);
    return bookmark;
}

QAction* DBBookmarkList::addMenuItem(int index, QMenu* menu)
{
    DBBookmark* bookmark = at(index);
    if (!bookmark || !menu)
        return nullptr;
    return bookmark->addMenuItem(menu);
}

} // namespace Vexal
