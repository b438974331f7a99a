#pragma once

#include <QMap>
#include <QMutex>
#include <QObject>
#include <QString>

namespace Vexal {

// The process-wide in-memory store of the server notices, read by the
// notification console. The server-jobs thread adds, the GUI thread reads and
// removes: every operation holds the store's lock. A new notice gets the last
// key handed out + 1, so a key is never given twice, even after removals.
class Notification final : public QObject
{
    Q_OBJECT
public:
    // Created on first use, from any thread; kept until exit.
    static Notification* instance();

    // Stores text under a new key and returns the key.
    int add(const QString& text);
    // A key that is not held changes nothing.
    void remove(int key);
    // A copy of all notices, ascending by key.
    QMap<int, QString> notices() const;
    int count() const;
    // Empties the store; keys handed out before are still not given again.
    void clear();

private:
    Notification();

    mutable QMutex m_mutex;
    QMap<int, QString> m_notices;
    int m_lastKey = -1;
};

} // namespace Vexal
