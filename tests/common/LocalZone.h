#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <ctime>

// The process's local time zone set to `zone` (a TZ value; null: TZ unset)
// while the object lives, then TZ as it was. Local dates and times follow the
// C library's zone, which reads TZ again at tzset().
class LocalZone
{
public:
    explicit LocalZone(const char* zone)
        : m_was(qEnvironmentVariableIsSet("TZ") ? qgetenv("TZ") : QByteArray())
    {
        set(zone);
    }
    ~LocalZone() { set(m_was.isNull() ? nullptr : m_was.constData()); }
    LocalZone(const LocalZone&) = delete;
    LocalZone& operator=(const LocalZone&) = delete;

private:
    static void set(const char* zone)
    {
        if (zone)
            qputenv("TZ", zone);
        else
            qunsetenv("TZ");
        tzset();
    }

    QByteArray m_was; // null when TZ was unset
};
