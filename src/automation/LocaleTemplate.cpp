#include "automation/LocaleTemplate.h"

#include "core/DBSql.h"
#include "texts/LocaleBase.h"
#include "texts/LocaleInstance.h"

namespace Vexal {

LocaleTemplate::LocaleTemplate(QObject* parent)
    : QObject(parent)
{
}

#define TESVAR_LOCALE_CLASS LocaleTemplate
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_TEMPLATE_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
