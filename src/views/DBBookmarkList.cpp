#include "views/DBBookmarkList.h"

#include "core/UserData.h"
#include "data/DBSql.h"
#include "shell/Utils.h"
#include "views/DBBookmark.h"

#include <QAction>
#include <QMenu>

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
    QAction* action = menu->addAction(QString());
    action->setIcon(bookmark->iconAsIcon());
    action->setText(bookmark->elidedTitle());
    action->setToolTip(Utils::elideTwoLines(bookmark->title(), bookmark->url()));
    action->setData(bookmark->url());
    UserData::attach(action, UserData());
    return action;
}

} // namespace Vexal
