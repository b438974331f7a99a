#include "automation/submit/LocaleSubmitter.h"

#include "texts/LocaleBase.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleSubmitter
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_SUBMITTER_TABLE)
#undef TESVAR_LOCALE_CLASS

} // namespace Vexal
