#include "shell/WidErrorConsoleToolbar.h"

#include "texts/ConstIcon.h"
#include "texts/LocaleConsole.h"

#include <QIcon>
#include <QToolButton>

namespace Vexal {

WidErrorConsoleToolbar::WidErrorConsoleToolbar(QWidget* parent)
    : BaseConsoleToolbar(parent)
{
}

void WidErrorConsoleToolbar::createButtons()
{
    m_currentButton = addButton(ConstIcon::error(32), LocaleConsole::current(), 0);
    addSeparator();
    addButton(ConstIcon::all(32), LocaleConsole::all(), 0, this, &WidErrorConsoleToolbar::slotShowAll);
    addButton(ConstIcon::error(32), LocaleConsole::errors(), 0, this, &WidErrorConsoleToolbar::slotShowErrors);
    addButton(ConstIcon::warning(32), LocaleConsole::warnings(), 0, this, &WidErrorConsoleToolbar::slotShowWarnings);
    addButton(ConstIcon::info(32), LocaleConsole::information(), 0, this, &WidErrorConsoleToolbar::slotShowInfo);
    addSeparator();
    addButton(ConstIcon::deleteIcon(32), LocaleConsole::clear(), 0, this, &WidErrorConsoleToolbar::onClear);
    addSeparator();
    addButton(ConstIcon::reload(32), LocaleConsole::reload(), 0, this, &WidErrorConsoleToolbar::onReload);
    addStretch();
}

void WidErrorConsoleToolbar::slotShowAll()
{
    setCurrentIcon(ConstIcon::all(32));
    emit onShowAll();
}

void WidErrorConsoleToolbar::slotShowErrors()
{
    setCurrentIcon(ConstIcon::error(32));
    emit onShowErrors();
}

void WidErrorConsoleToolbar::slotShowWarnings()
{
    setCurrentIcon(ConstIcon::warning(32));
    emit onShowWarnings();
}

void WidErrorConsoleToolbar::slotShowInfo()
{
    setCurrentIcon(ConstIcon::info(32));
    emit onShowInfo();
}

void WidErrorConsoleToolbar::setCurrentIcon(const QPixmap& pixmap)
{
    if (m_currentButton)
        m_currentButton->setIcon(QIcon(pixmap));
}

} // namespace Vexal
