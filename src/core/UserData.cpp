#include "core/UserData.h"

#include <QObject>
#include <QVariant>

namespace Vexal {

namespace {

const char* const propertyName = "tesvarUserData";

} // namespace

UserData::UserData(int value)
    : m_value(value)
{
}

UserData::UserData(int value, const QString& text)
    : m_value(value)
    , m_text(text)
{
}

void UserData::attach(QObject* object, const UserData& data)
{
    if (object)
        object->setProperty(propertyName, QVariant::fromValue(data));
}

UserData UserData::of(const QObject* object)
{
    if (!object)
        return UserData();
    const QVariant stored = object->property(propertyName);
    return stored.canConvert<UserData>() ? stored.value<UserData>() : UserData();
}

bool UserData::isAttached(const QObject* object)
{
    return object && object->property(propertyName).canConvert<UserData>();
}

} // namespace Vexal
