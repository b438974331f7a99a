#include "automation/templates/LocaleTemplate.h"

#include "core/DBSql.h"
#include "texts/LocaleBase.h"
#include "texts/LocaleInstance.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleTemplate
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_TEMPLATE_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
