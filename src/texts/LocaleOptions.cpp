#include "texts/LocaleOptions.h"

#include "texts/LocaleInstance.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleOptions
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_OPTIONS_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
