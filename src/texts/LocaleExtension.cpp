#include "texts/LocaleExtension.h"

#include "texts/LocaleBase.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleExtension
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_EXTENSION_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
