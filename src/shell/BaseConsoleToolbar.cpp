#include "shell/BaseConsoleToolbar.h"

#include "core/TooltipManager.h"
#include "texts/ConstIcon.h"
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
    QToolButton* button = addButton(ConstIcon::tooltips(32), LocaleConsole::tooltips(), 0);
    connect(button, &QToolButton::clicked, this, &BaseConsoleToolbar::slotTooltips);
    addSeparator();
}

void BaseConsoleToolbar::slotTooltips()
{
    if (tooltipManager())
        tooltipManager()->toggle();
}

} // namespace Vexal
