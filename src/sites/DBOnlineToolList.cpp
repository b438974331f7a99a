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

QString DBOnlineToolList::orderText() const
{
    return QStringLiteral("ORDER BY %1").arg(DBSql::colLine());
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
