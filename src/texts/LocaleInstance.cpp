#include "texts/LocaleInstance.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleInstance
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_INSTANCE_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
