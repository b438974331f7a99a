#include "sites/OnlineToolsMenu.h"

#include "core/Logger.h"
#include "widgets/UtilGui.h"
#include "sites/DBOnlineToolList.h"

#include <QMenu>

namespace Vexal {

bool OnlineToolsMenu::build(QMenu* menu, const std::function<void(QAction*)>& connectAction)
{
    if (!menu)
        return false;
    UtilGui::removeMarkedActions(menu);
    DBOnlineToolList tools;
    if (!tools.load()) {
        Logger::error(tools.errorText());
        return false;
    }
    for (int i = 0; i < tools.count(); ++i) {
        QAction* action = tools.addMenuItem(i, menu);
        if (action && connectAction)
            connectAction(action);
    }
    return true;
}

} // namespace Vexal
