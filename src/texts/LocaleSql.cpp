#include "texts/LocaleSql.h"

#include "texts/LocaleMessage.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleSql
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_SQL_TABLE)
#undef TESVAR_LOCALE_CLASS

QString LocaleSql::tabCount(const QString& name, int count)
{
    return QStringLiteral("%1 - %2 Tab(s)").arg(name, QString::number(count, 10));
}

} // namespace Vexal
