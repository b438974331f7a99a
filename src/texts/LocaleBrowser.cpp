#include "texts/LocaleBrowser.h"

#include "texts/LocaleBase.h"
#include "texts/LocaleMenu.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleBrowser
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_BROWSER_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
