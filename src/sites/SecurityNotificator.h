#pragma once

#include <QObject>
#include <QString>

namespace Vexal {

// The process-wide sender of the server notices. The server jobs hand their
// results to it from their own thread; the notice reaches receivers on the GUI
// thread through a queued connection.
class SecurityNotificator : public QObject
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

signals:
    void onSecurityMessage(const QString& text);

private:
    SecurityNotificator();
};

} // namespace Vexal
