#include "texts/LocaleFilter.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleFilter
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_FILTER_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
