#pragma once

#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>

namespace Vexal {

// The process-wide sender of the server notices. The server jobs hand their
// results to it from their own thread; the notice reaches receivers on the GUI
// thread through a queued connection.
class SecurityNotificator final : public QObject
{
    Q_OBJECT
public:
    // Created on the first call (from any thread); it belongs to the GUI thread.
    static SecurityNotificator* instance();

    // Stores every non-empty line of a messages reply in the notification
    // store and, when at least one was stored, emits the new-notifications
    // notice. Returns the number stored.
    int postMessages(const QString& reply);
    // Stores and emits the new-updates notice.
    void postUpdate();
    // Emits again, on the calling thread, every notice that was posted while
    // nothing received onSecurityMessage (the server may answer before the
    // window is there to show it). Each notice is handed on once.
    void deliverPending();

signals:
    void onSecurityMessage(const QString& text);

private:
    SecurityNotificator();
    void post(const QString& text);

    QMutex m_mutex;
    QStringList m_pending;
};

} // namespace Vexal
