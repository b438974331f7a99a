#include "texts/LocaleSocialBookmark.h"

#include "core/DBSql.h"
#include "texts/LocaleBase.h"
#include "texts/LocaleInstance.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleSocialBookmark
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_SOCIAL_BOOKMARK_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
