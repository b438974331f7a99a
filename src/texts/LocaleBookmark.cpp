#include "texts/LocaleBookmark.h"

#include "core/DBSql.h"
#include "texts/LocaleBase.h"
#include "texts/LocaleDialog.h"
#include "texts/LocaleInstance.h"
#include "texts/LocaleMenu.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleBookmark
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_BOOKMARK_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
