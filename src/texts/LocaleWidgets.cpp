#include "texts/LocaleWidgets.h"

#include "texts/LocaleBase.h"
#include "texts/LocaleInstance.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleWidgets
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_WIDGETS_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
