#include "texts/LocaleCore.h"

#include "texts/LocaleBase.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleCore
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_CORE_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
