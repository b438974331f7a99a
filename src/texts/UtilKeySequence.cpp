#include "texts/UtilKeySequence.h"

#include <QAction>

namespace Vexal {

UtilKeySequence::UtilKeySequence(QObject* parent)
    : QObject(parent)
{
}

#define VEXAL_KEY_STANDARD(name, key) \
    QKeySequence UtilKeySequence::name() { return QKeySequence(QKeySequence::key); }
VEXAL_STANDARD_KEYS(VEXAL_KEY_STANDARD)
#undef VEXAL_KEY_STANDARD

#define VEXAL_KEY_TEXT(name, text)                                            \
    QKeySequence UtilKeySequence::name()                                      \
    {                                                                         \
        return QKeySequence(QStringLiteral(text), QKeySequence::PortableText); \
    }
VEXAL_TEXT_KEYS(VEXAL_KEY_TEXT)
#undef VEXAL_KEY_TEXT

#define VEXAL_KEY_EMPTY(name) \
    QKeySequence UtilKeySequence::name() { return QKeySequence(QKeySequence::UnknownKey); }
VEXAL_EMPTY_KEYS(VEXAL_KEY_EMPTY)
#undef VEXAL_KEY_EMPTY

void UtilKeySequence::assignMenuBarKeys(QAction* menuAction, QAction* windowAction, bool menuBarShown)
{
    if (menuAction)
        menuAction->setShortcut(menuBarShown ? menuBar() : none());
    if (windowAction)
        windowAction->setShortcut(menuBarShown ? none() : menuBar());
}

} // namespace Vexal
