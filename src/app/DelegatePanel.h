#pragma once

#include "shell/DelegateBase.h"
#include "shell/WidWebTab.h"

namespace Vexal {

// Attaches a new side panel of class Panel (built on the command's parent
// widget) to the current web tab; on another kind of tab only the
// web-tabs-only warning.
template <class Panel>
void openPanel(const DelegateBase& command)
{
    if (WidWebTab* webTab = command.currentWebTab())
        webTab->setExtension(new Panel(command.parentWidget()));
}

} // namespace Vexal
