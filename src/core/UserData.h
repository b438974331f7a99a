#pragma once

#include <QMetaType>
#include <QString>

class QObject;

namespace Vexal {

// An int and a text attached to a Qt object such as a menu action. Attach it
// with QAction::setData(QVariant::fromValue(data)) and read it back with
// action->data().value<UserData>(), or on any QObject with attach()/of().
class UserData final
{
public:
    UserData() = default;
    explicit UserData(int value);
    UserData(int value, const QString& text);

    int value() const { return m_value; }
    void setValue(int value) { m_value = value; }
    QString text() const { return m_text; }
    void setText(const QString& text) { m_text = text; }

    bool operator==(const UserData& other) const { return m_value == other.m_value && m_text == other.m_text; }
    bool operator!=(const UserData& other) const { return !(*this == other); }

    // Stores the data on the object as a dynamic property.
    static void attach(QObject* object, const UserData& data);
    // The data attached to the object; a default one when there is none.
    static UserData of(const QObject* object);
    static bool isAttached(const QObject* object);

private:
    int m_value = -1;
    QString m_text;
};

} // namespace Vexal

Q_DECLARE_METATYPE(Vexal::UserData)
