#include "texts/LocaleProject.h"

#include "core/DBSql.h"
#include "texts/LocaleBase.h"
#include "texts/LocaleInstance.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleProject
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_PROJECT_TABLE)
#undef TESVAR_LOCALE_CLASS

QString LocaleProject::recordCount(const QString& kind, int count)
{
    return QStringLiteral("%1: %2").arg(kind, QString::number(count));
}

QString LocaleProject::confirmDeleteProjects(int count, const QString& records)
{
    return QStringLiteral("I am going to delete %1 selected project(s) and the records they own (%2). Should I "
                          "continue?")
        .arg(QString::number(count), records);
}

} // namespace Vexal
