#include "sites/SecurityNotificator.h"

#include "shell/Notification.h"
#include "texts/LocaleMessage.h"

#include <QCoreApplication>
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
        emit onSecurityMessage(LocaleMessage::newNotifications());
    return stored;
}

void SecurityNotificator::postUpdate()
{
    const QString text = LocaleMessage::newUpdates();
    Notification::instance()->add(text);
    emit onSecurityMessage(text);
}

} // namespace Vexal
