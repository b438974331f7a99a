#include "shell/Notification.h"

#include <QCoreApplication>
#include <QMutexLocker>
#include <QThread>

namespace Vexal {

Notification* Notification::instance()
{
    static Notification* const store = new Notification();
    return store;
}

Notification::Notification()
    : QObject(nullptr)
{
    // The first use may come from the server-jobs thread; the store belongs to
    // the GUI thread all the same.
    if (QCoreApplication* app = QCoreApplication::instance()) {
        if (thread() != app->thread())
            moveToThread(app->thread());
    }
}

int Notification::add(const QString& text)
{
    QMutexLocker lock(&m_mutex);
    const int key = ++m_lastKey;
    m_notices.insert(key, text);
    return key;
}

void Notification::remove(int key)
{
    QMutexLocker lock(&m_mutex);
    m_notices.remove(key);
}

QMap<int, QString> Notification::notices() const
{
    QMutexLocker lock(&m_mutex);
    return m_notices;
}

int Notification::count() const
{
    QMutexLocker lock(&m_mutex);
    return m_notices.count();
}

void Notification::clear()
{
    QMutexLocker lock(&m_mutex);
    m_notices.clear();
}

} // namespace Vexal
