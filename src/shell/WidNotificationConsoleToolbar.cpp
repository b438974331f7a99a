#include "shell/WidNotificationConsoleToolbar.h"

#include "texts/ConstIcon.h"
#include "texts/LocaleConsole.h"

#include <QToolButton>

namespace Vexal {

WidNotificationConsoleToolbar::WidNotificationConsoleToolbar(QWidget* parent)
    : BaseConsoleToolbar(parent)
{
}

void WidNotificationConsoleToolbar::createButtons()
{
    addButton(ConstIcon::all(32), LocaleConsole::selectAll(), 0, this, &WidNotificationConsoleToolbar::onSelect);
    addButton(ConstIcon::deleteIcon(32), LocaleConsole::deleteItem(), 0, this,
              &WidNotificationConsoleToolbar::onDelete);
    addSeparator();
    addButton(ConstIcon::reload(32), LocaleConsole::reload(), 0, this, &WidNotificationConsoleToolbar::onReload);
    addStretch();
}

} // namespace Vexal
