#include "texts/LocaleThread.h"

#include "texts/LocaleMenu.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleThread
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_THREAD_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
