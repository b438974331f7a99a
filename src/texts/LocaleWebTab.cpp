#include "texts/LocaleWebTab.h"

#include "texts/LocaleBase.h"
#include "texts/LocaleMenu.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleWebTab
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_WEB_TAB_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
