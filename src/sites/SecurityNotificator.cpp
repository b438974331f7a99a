#include "sites/SecurityNotificator.h"

#include "shell/Notification.h"
#include "texts/LocaleMessage.h"

#include <QCoreApplication>
#include <QMutexLocker>
#include <QThread>

namespace Vexal {

SecurityNotificator* SecurityNotificator::instance()
{
    static SecurityNotificator* const notificator = new SecurityNotificator();
    return notificator;
}

SecurityNotificator::SecurityNotificator()
    : QObject(nullptr)
{
    if (QCoreApplication* app = QCoreApplication::instance()) {
        if (thread() != app->thread())
            moveToThread(app->thread());
    }
}

int SecurityNotificator::postMessages(const QString& reply)
{
    int stored = 0;
    const QStringList lines = reply.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QString text = line.trimmed();
        if (text.isEmpty())
            continue;
        Notification::instance()->add(text);
        ++stored;
    }
    if (stored > 0)
        post(LocaleMessage::newNotifications());
    return stored;
}

void SecurityNotificator::postUpdate()
{
    const QString text = LocaleMessage::newUpdates();
    Notification::instance()->add(text);
    post(text);
}

void SecurityNotificator::post(const QString& text)
{
    {
        QMutexLocker lock(&m_mutex);
        // Checked under the lock that deliverPending takes, so a receiver
        // that connects meanwhile either gets the signal or finds the notice
        // kept.
        if (receivers(SIGNAL(onSecurityMessage(QString))) == 0) {
            if (!m_pending.contains(text))
                m_pending << text;
            return;
        }
    }
    emit onSecurityMessage(text);
}

void SecurityNotificator::deliverPending()
{
    QStringList pending;
    {
        QMutexLocker lock(&m_mutex);
        pending.swap(m_pending);
    }
    for (const QString& text : qAsConst(pending))
        emit onSecurityMessage(text);
}

} // namespace Vexal
