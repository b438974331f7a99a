#include "core/Version.h"

#include <QStringList>

namespace Vexal {

namespace {

// Fills the three parts when the text is a valid version.
bool splitVersion(const QString& text, int parts[3])
{
    if (text.isEmpty())
        return false;
    const QStringList pieces = text.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (pieces.size() != 3)
        return false;
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        parts[i] = pieces.at(i).toInt(&ok, 10);
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

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
    return splitVersion(text, parts);
}

Version* Version::parse(const QString& text, QObject* parent)
{
    int parts[3];
    if (!splitVersion(text, parts))
        return nullptr;
    auto* version = new Version(parent);
    version->m_major = parts[0];
    version->m_minor = parts[1];
    version->m_patch = parts[2];
    return version;
}

} // namespace Vexal
