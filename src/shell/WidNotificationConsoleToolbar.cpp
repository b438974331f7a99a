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
    QToolButton* button = addButton(ConstIcon::all(32), LocaleConsole::selectAll(), 0);
    connect(button, &QToolButton::clicked, this, &WidNotificationConsoleToolbar::onSelect);
    button = addButton(ConstIcon::deleteIcon(32), LocaleConsole::deleteItem(), 0);
    connect(button, &QToolButton::clicked, this, &WidNotificationConsoleToolbar::onDelete);
    addSeparator();
    button = addButton(ConstIcon::reload(32), LocaleConsole::reload(), 0);
    connect(button, &QToolButton::clicked, this, &WidNotificationConsoleToolbar::onReload);
    addStretch();
}

} // namespace Vexal
