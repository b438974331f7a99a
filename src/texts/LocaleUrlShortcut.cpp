#include "texts/LocaleUrlShortcut.h"

#include "core/DBSql.h"
#include "texts/LocaleBase.h"
#include "texts/LocaleInstance.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleUrlShortcut
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_URL_SHORTCUT_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
