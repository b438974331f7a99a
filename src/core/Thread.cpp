#include "core/Thread.h"

namespace Vexal {

Thread::Thread(QObject* parent)
    : QThread(parent)
{
}

QString Thread::title() const
{
    return QString();
}

QString Thread::errorText() const
{
    return m_errorText;
}

bool Thread::isSuccessful() const
{
    return m_successful;
}

} // namespace Vexal
