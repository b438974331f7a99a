#include "ApplicationLoop.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QSignalBlocker>
#include <QTimer>

namespace {

class WebTimerWatch final : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Timer
            && qstrcmp(watched->metaObject()->className(), "WebCore::SharedTimerQt") == 0) {
            QObject::disconnect(QCoreApplication::instance(), nullptr, watched, nullptr);
            QCoreApplication::instance()->removeEventFilter(this);
        }
        return false;
    }
};

} // namespace

void ApplicationLoop::watchWebTimer()
{
    static WebTimerWatch watch;
    QCoreApplication::instance()->installEventFilter(&watch);
}

int ApplicationLoop::exec()
{
    return QCoreApplication::exec();
}

bool ApplicationLoop::clearLeftQuit()
{
    QEventLoop probe;
    QTimer::singleShot(0, &probe, [&probe] { probe.exit(0); });
    if (probe.exec() == 0)
        return false;
    // The application's loop clears the quit as it starts.
    const QSignalBlocker quietEnd(QCoreApplication::instance());
    QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    return true;
}
