#include "texts/LocaleIdentity.h"

#include "texts/LocaleBase.h"
#include "texts/LocaleInstance.h"
#include "texts/LocaleSql.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleIdentity
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_IDENTITY_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
