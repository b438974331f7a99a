#include "automation/selector/ConstSelector.h"

namespace Vexal {

#define TESVAR_CONST_SELECTOR_DEFINE(Getter, Literal) \
    QString ConstSelector::Getter() { return QStringLiteral(Literal); }
TESVAR_CONST_SELECTOR_TABLE(TESVAR_CONST_SELECTOR_DEFINE)
#undef TESVAR_CONST_SELECTOR_DEFINE

} // namespace Vexal
