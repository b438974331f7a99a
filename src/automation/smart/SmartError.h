#pragma once

#include <QObject>
#include <QString>

namespace Vexal {

// The failure of a recognition run: a reason for the log and a message for
// the user.
class SmartError final : public QObject
{
    Q_OBJECT
public:
    explicit SmartError(QObject* parent);

    void setReason(const QString& reason) { m_reason = reason; }
    void setMessage(const QString& message) { m_message = message; }
    QString reason() const { return m_reason; }
    QString message() const { return m_message; }

private:
    QString m_reason;
    QString m_message;
};

} // namespace Vexal
