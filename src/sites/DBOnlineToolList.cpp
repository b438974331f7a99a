#include "sites/DBOnlineToolList.h"

#include "core/UserData.h"
#include "core/DBSql.h"
#include "texts/Utils.h"
#include "sites/DBOnlineTool.h"

#include <QAction>
#include <QMenu>

namespace Vexal {

namespace {

constexpr int menuTextLimit = 35;

} // namespace

DBOnlineToolList::DBOnlineToolList(QObject* parent)
    : DBListBase(parent)
{
    setPrototype(new DBOnlineTool(this));
}

QString DBOnlineToolList::orderText() const
{
    return QStringLiteral("ORDER BY %1").arg(DBSql::colLine());
}

DBOnlineTool* DBOnlineToolList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<DBOnlineTool*>(DBListBase::at(index));
}

DBOnlineTool* DBOnlineToolList::findById(int id) const
{
    for (DBBase* record : records()) {
        if (record && record->id() == id)
            return qobject_cast<DBOnlineTool*>(record);
    }
    return nullptr;
}

DBOnlineTool* DBOnlineToolList::firstOrCreate()
{
    if (count() > 0)
        return at(0);
    auto* onlineTool = new DBOnlineTool(this);
    append(onlineTool);
    return onlineTool;
}

QAction* DBOnlineToolList::addMenuItem(int index, QMenu* menu)
{
    DBOnlineTool* tool = at(index);
    if (!tool || !menu)
        return nullptr;
    QAction* action = menu->addAction(Utils::escapeMnemonic(Utils::elideText(tool->name(), menuTextLimit, false)));
    action->setToolTip(Utils::elideTwoLines(tool->name(), tool->url()));
    action->setData(tool->url());
    UserData::attach(action, UserData());
    return action;
}

} // namespace Vexal
