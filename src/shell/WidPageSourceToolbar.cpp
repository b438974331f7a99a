#include "shell/WidPageSourceToolbar.h"

#include "texts/ConstIcon.h"
#include "texts/LocaleConsole.h"

#include <QToolButton>

namespace Vexal {

WidPageSourceToolbar::WidPageSourceToolbar(QWidget* parent)
    : BaseConsoleToolbar(parent)
{
}

void WidPageSourceToolbar::createButtons()
{
    QToolButton* button = addButton(ConstIcon::highlight(32), LocaleConsole::highlight(), 0);
    connect(button, &QToolButton::clicked, this, &WidPageSourceToolbar::onHighlight);
    button = addButton(ConstIcon::wordwrap(32), LocaleConsole::wordWrap(), 0);
    connect(button, &QToolButton::clicked, this, &WidPageSourceToolbar::onWordWrap);
    addStretch();
}

} // namespace Vexal
