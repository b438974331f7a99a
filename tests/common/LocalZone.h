#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <ctime>

// The process's local time zone set to `zone` (a TZ value) while the object
// lives; the TZ it had (or none) comes back after. Local dates and times
// follow the C library's zone, which reads TZ again at tzset().
class LocalZone
{
public:
    explicit LocalZone(const QByteArray& zone)
        : m_wasSet(qEnvironmentVariableIsSet("TZ"))
        , m_was(qgetenv("TZ"))
    {
        set(true, zone);
    }
    // TZ unset.
    LocalZone()
        : m_wasSet(qEnvironmentVariableIsSet("TZ"))
        , m_was(qgetenv("TZ"))
    {
        set(false, QByteArray());
    }
    ~LocalZone() { set(m_wasSet, m_was); }
    LocalZone(const LocalZone&) = delete;
    LocalZone& operator=(const LocalZone&) = delete;

private:
    static void set(bool isSet, const QByteArray& zone)
    {
        if (isSet)
            qputenv("TZ", zone);
        else
            qunsetenv("TZ");
        tzset();
    }

    bool m_wasSet;
    QByteArray m_was;
};
