#include "shell/WidPageSourceToolbar.h"

#include "core/TooltipManager.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleConsole.h"

#include <QToolButton>

namespace Vexal {

WidPageSourceToolbar::WidPageSourceToolbar(QWidget* parent)
    : QWidget(parent)
    , BaseToolbar(nullptr)
{
}

void WidPageSourceToolbar::createTooltipsButton()
{
    QToolButton* button = addButton(ConstIcon::tooltips(32), LocaleConsole::tooltips(), 0);
    connect(button, &QToolButton::clicked, this, &WidPageSourceToolbar::slotTooltips);
    addSeparator();
}

void WidPageSourceToolbar::createButtons()
{
    QToolButton* button = addButton(ConstIcon::highlight(32), LocaleConsole::highlight(), 0);
    connect(button, &QToolButton::clicked, this, &WidPageSourceToolbar::onHighlight);
    button = addButton(ConstIcon::wordwrap(32), LocaleConsole::wordWrap(), 0);
    connect(button, &QToolButton::clicked, this, &WidPageSourceToolbar::onWordWrap);
    addStretch();
}

void WidPageSourceToolbar::slotTooltips()
{
    if (tooltipManager())
        tooltipManager()->toggle();
}

} // namespace Vexal
