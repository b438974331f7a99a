#include "texts/LocaleMenu.h"

#include "texts/LocaleMessage.h"

namespace Vexal {

LocaleMenu::LocaleMenu(QObject* parent)
    : QObject(parent)
{
}

#define TESVAR_LOCALE_CLASS LocaleMenu
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_MENU_TABLE)
#undef TESVAR_LOCALE_CLASS

QString LocaleMenu::projectLabel(const QString& name)
{
    return QStringLiteral("<b>Project:</b> %1").arg(name.toHtmlEscaped());
}

} // namespace Vexal
