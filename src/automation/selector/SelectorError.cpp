#include "automation/selector/SelectorError.h"

namespace Vexal {

SelectorError::SelectorError(QObject* parent)
    : QObject(parent)
{
}

} // namespace Vexal
