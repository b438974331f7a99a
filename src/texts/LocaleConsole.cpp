#include "texts/LocaleConsole.h"

#include "texts/LocaleBase.h"
#include "texts/LocaleMenu.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleConsole
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_CONSOLE_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
