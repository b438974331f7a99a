#include "texts/LocaleDirectory.h"

#include "core/DBSql.h"
#include "texts/LocaleBase.h"
#include "texts/LocaleInstance.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleDirectory
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_DIRECTORY_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
