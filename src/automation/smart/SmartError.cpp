#include "automation/smart/SmartError.h"

namespace Vexal {

SmartError::SmartError(QObject* parent)
    : QObject(parent)
{
}

} // namespace Vexal
