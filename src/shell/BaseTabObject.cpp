#include "shell/BaseTabObject.h"

namespace Vexal {

BaseTabObject::BaseTabObject(QObject* parent)
    : QObject(parent)
{
}

void BaseTabObject::emitOnStateChanged(QWidget* sender)
{
    emit onStateChanged(sender);
}

void BaseTabObject::emitOnClose(QWidget* sender)
{
    emit onClose(sender);
}

} // namespace Vexal
