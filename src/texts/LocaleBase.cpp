#include "texts/LocaleBase.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleBase
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_BASE_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
