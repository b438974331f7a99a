#pragma once

#include <QObject>
#include <QString>

// Some C libraries define major() and minor() as macros.
#ifdef major
#undef major
#endif
#ifdef minor
#undef minor
#endif

namespace Vexal {

// A three-part version number "major.minor.patch".
class Version final : public QObject
{
    Q_OBJECT
public:
    explicit Version(QObject* parent = nullptr);

    int major() const { return m_major; }
    int minor() const { return m_minor; }
    int patch() const { return m_patch; }
    void setMajor(int value) { m_major = value; }
    void setMinor(int value) { m_minor = value; }
    void setPatch(int value) { m_patch = value; }

    // A null other gives false for all three.
    bool isEqual(const Version* other) const;
    bool isLess(const Version* other) const;
    bool isGreater(const Version* other) const;

    QString toString() const;

    // Not empty, and exactly three "."-separated base-10 integers (empty
    // parts count, so "2..1" is invalid).
    static bool isValid(const QString& text);
    // Null when the text is not valid; otherwise a new version owned by parent.
    static Version* parse(const QString& text, QObject* parent);

private:
    int compare(const Version* other) const;

    int m_major = 0;
    int m_minor = 0;
    int m_patch = 0;
};

} // namespace Vexal
