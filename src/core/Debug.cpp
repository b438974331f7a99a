#include "core/Debug.h"

namespace Vexal {

Debug::Debug(QObject* parent)
    : QObject(parent)
{
}

void Debug::run()
{
}

} // namespace Vexal
