#include "texts/LocaleProject.h"

#include "core/DBSql.h"
#include "texts/LocaleBase.h"
#include "texts/LocaleInstance.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

LocaleProject::LocaleProject(QObject* parent)
    : QObject(parent)
{
}

#define TESVAR_LOCALE_CLASS LocaleProject
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_PROJECT_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
