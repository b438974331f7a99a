#include "shell/BaseConsoleToolbar.h"

#include "texts/LocaleConsole.h"

#include <QToolButton>

namespace Vexal {

BaseConsoleToolbar::BaseConsoleToolbar(QWidget* parent)
    : QWidget(parent)
    , BaseToolbar(nullptr)
{
}

void BaseConsoleToolbar::createTooltipsButton()
{
    addTooltipsButton(LocaleConsole::tooltips());
}

void BaseConsoleToolbar::slotTooltips()
{
    toggleTooltips();
}

} // namespace Vexal
