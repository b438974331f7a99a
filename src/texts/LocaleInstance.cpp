#include "texts/LocaleInstance.h"

namespace Vexal {

LocaleInstance::LocaleInstance(QObject* parent)
    : QObject(parent)
{
}

#define TESVAR_LOCALE_CLASS LocaleInstance
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_INSTANCE_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
