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
    addButton(ConstIcon::highlight(32), LocaleConsole::highlight(), 0, this, &WidPageSourceToolbar::onHighlight);
    addButton(ConstIcon::wordwrap(32), LocaleConsole::wordWrap(), 0, this, &WidPageSourceToolbar::onWordWrap);
    addStretch();
}

} // namespace Vexal
