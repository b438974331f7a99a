#include "core/Version.h"

#include "core/Convert.h"

#include <QStringList>

namespace Vexal {

Version::Version(QObject* parent)
    : QObject(parent)
{
}

int Version::compare(const Version* other) const
{
    if (m_major != other->m_major)
        return m_major < other->m_major ? -1 : 1;
    if (m_minor != other->m_minor)
        return m_minor < other->m_minor ? -1 : 1;
    if (m_patch != other->m_patch)
        return m_patch < other->m_patch ? -1 : 1;
    return 0;
}

bool Version::isEqual(const Version* other) const
{
    return other && compare(other) == 0;
}

bool Version::isLess(const Version* other) const
{
    return other && compare(other) < 0;
}

bool Version::isGreater(const Version* other) const
{
    return other && compare(other) > 0;
}

QString Version::toString() const
{
    return QStringLiteral("%1.%2.%3").arg(m_major).arg(m_minor).arg(m_patch);
}

bool Version::isValid(const QString& text)
{
    int parts[3];
    return Convert::splitInts(text, 3, parts);
}

Version* Version::parse(const QString& text, QObject* parent)
{
    int parts[3];
    if (!Convert::splitInts(text, 3, parts))
        return nullptr;
    auto* version = new Version(parent);
    version->m_major = parts[0];
    version->m_minor = parts[1];
    version->m_patch = parts[2];
    return version;
}

} // namespace Vexal
