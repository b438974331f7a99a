#include "texts/LocaleDatabase.h"

#include "texts/LocaleMessage.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleDatabase
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_DATABASE_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
