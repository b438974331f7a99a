#include "texts/LocaleFind.h"

#include "texts/LocaleBase.h"
#include "texts/LocaleMenu.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleFind
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_FIND_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
