#pragma once

#include <QObject>
#include <QString>

namespace Vexal {

// The first fault of a selector build: the detailed message and the general
// title shown to the user.
class SelectorError final : public QObject
{
    Q_OBJECT
public:
    explicit SelectorError(QObject* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text) { m_text = text; }
    QString title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }

private:
    QString m_text;
    QString m_title;
};

} // namespace Vexal
