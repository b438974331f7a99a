#include "texts/LocaleArticle.h"

#include "core/DBSql.h"
#include "texts/LocaleBase.h"
#include "texts/LocaleInstance.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleArticle
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_ARTICLE_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
