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
    if (filterMode() == ModeVisible)
        return QStringLiteral("%1=1").arg(DBSql::colVisible());
    return DBListBase::whereText();
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
