#include "core/Thread.h"

#include "core/Logger.h"

#include <exception>
#include <new>

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

void Thread::runGuarded(const std::function<void()>& work, const QString& cancelledLine)
{
    runCatching(work);
    if (cancelledLine.isEmpty() || !isCancelled() || m_successful)
        return;
    if (m_errorText.isEmpty())
        m_errorText = cancelledLine;
    if (m_logClass.isEmpty())
        Logger::warning(cancelledLine);
    else
        Logger::warning(m_logClass, m_logAction, cancelledLine);
}

void Thread::runCatching(const std::function<void()>& work)
{
    try {
        work();
    } catch (const std::bad_alloc&) {
        m_successful = false;
        m_errorText = QStringLiteral("Not enough memory to finish the job; it was stopped.");
    } catch (const std::exception& error) {
        m_successful = false;
        m_errorText = QStringLiteral("The job was stopped by an error: %1").arg(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        m_successful = false;
        m_errorText = QStringLiteral("The job was stopped by an unknown error.");
    }
}

void Thread::cancel()
{
    requestInterruption();
}

bool Thread::isSuccessful() const
{
    return m_successful;
}

} // namespace Vexal
