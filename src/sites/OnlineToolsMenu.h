#pragma once

#include <functional>

class QAction;
class QMenu;

namespace Vexal {

// Builds the run-time entries of the Online Tools menu from the stored
// online tools (by Line): removes the entries of an earlier build, then adds
// one entry per tool and hands each to connectAction (the window connects
// triggered and hovered). A failed load is logged and adds nothing.
class OnlineToolsMenu final
{
public:
    OnlineToolsMenu() = delete;

    static bool build(QMenu* menu, const std::function<void(QAction*)>& connectAction);
};

} // namespace Vexal
