#include "texts/LocaleBaseWidget.h"

#include "texts/LocaleBase.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleBaseWidget
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_BASE_WIDGET_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
