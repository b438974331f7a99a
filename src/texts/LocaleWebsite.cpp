#include "texts/LocaleWebsite.h"

#include "core/DBSql.h"
#include "texts/LocaleBase.h"
#include "texts/LocaleInstance.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleWebsite
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_WEBSITE_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
