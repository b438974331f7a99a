#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

namespace Vexal {

// Start parameters of a new or reloaded tab page. An id of -1 means a new record.
class Init final : public QObject
{
    Q_OBJECT
public:
    explicit Init(QObject* parent = nullptr);
    explicit Init(qint64 id, QObject* parent = nullptr);
    explicit Init(const QUrl& url, QObject* parent = nullptr);

    qint64 id() const { return m_id; }
    void setId(qint64 value) { m_id = value; }
    qint64 secondId() const { return m_secondId; }
    void setSecondId(qint64 value) { m_secondId = value; }
    QUrl url() const { return m_url; }
    void setUrl(const QUrl& value) { m_url = value; }
    QString title() const { return m_title; }
    void setTitle(const QString& value) { m_title = value; }
    QString text() const { return m_text; }
    void setText(const QString& value) { m_text = value; }
    int type() const { return m_type; }
    void setType(int value) { m_type = value; }

private:
    qint64 m_id = -1;
    qint64 m_secondId = -1;
    QUrl m_url;
    QString m_title;
    QString m_text;
    int m_type = 0;
};

} // namespace Vexal
