#include "texts/LocaleHistory.h"

#include "texts/LocaleBase.h"
#include "texts/LocaleDialog.h"
#include "texts/LocaleInstance.h"
#include "texts/LocaleMenu.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleHistory
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_HISTORY_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
