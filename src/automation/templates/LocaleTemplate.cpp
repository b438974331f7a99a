#include "automation/templates/LocaleTemplate.h"

#include "core/DBSql.h"
#include "texts/LocaleBase.h"
#include "texts/LocaleInstance.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleTemplate
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_TEMPLATE_TABLE)
#undef TESVAR_LOCALE_CLASS

QString LocaleTemplate::selectorNotParsed(const QString& field, const QString& error)
{
    return QStringLiteral("The template was not saved: the selector of \"%1\" does not parse. %2").arg(field, error);
}

QString LocaleTemplate::selectorTooLong(const QString& field, int length, int limit)
{
    return QStringLiteral("The template was not saved: the selector of \"%1\" has %2 characters; a selector takes at "
                          "most %3.")
        .arg(field, QString::number(length), QString::number(limit));
}

} // namespace Vexal
