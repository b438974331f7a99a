#include "automation/SmartLoginField.h"

namespace Vexal {

SmartLoginField::SmartLoginField(QObject* parent)
    : SmartFieldLookup(parent)
{
}

} // namespace Vexal
