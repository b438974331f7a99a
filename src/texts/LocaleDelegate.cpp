#include "texts/LocaleDelegate.h"

#include "texts/LocaleBase.h"
#include "texts/LocaleInstance.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleDelegate
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_DELEGATE_TABLE)
#undef TESVAR_LOCALE_CLASS

QString LocaleDelegate::floorAndApartment(int floor, int apartment)
{
    return QStringLiteral("%1 floor, apt. %2").arg(QString::number(floor, 10), QString::number(apartment, 10));
}

} // namespace Vexal
