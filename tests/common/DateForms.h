#pragma once

#include <QString>
#include <QtTest>

#include <vector>

// Dates and date-times as the database may hold them, at the edges of the
// calendar and of the local zone (Europe/Berlin): the form the program reads
// each back as (ISO; empty for no value) and, for the rows an export
// covers, the form it writes (empty for no value).
struct DateForm {
    const char* name;
    bool date;
    const char* stored;
    const char* back;
    const char* written; // null: not an export row
};

inline const std::vector<DateForm>& dateForms()
{
    static const std::vector<DateForm> forms{
        {"midnight", false, "2024-01-01T00:00:00", "2024-01-01T00:00:00", "2024.01.01.00.00.00"},
        {"last second of a year", false, "2023-12-31T23:59:59", "2023-12-31T23:59:59", "2023.12.31.23.59.59"},
        {"end of a 30-day month", false, "2024-04-30T12:00:00", "2024-04-30T12:00:00", nullptr},
        {"leap day", false, "2024-02-29T06:07:08", "2024-02-29T06:07:08", "2024.02.29.06.07.08"},
        {"no leap day", false, "2023-02-29T06:07:08", "", nullptr},
        {"before the skipped hour", false, "2021-03-28T01:59:59", "2021-03-28T01:59:59", "2021.03.28.01.59.59"},
        {"skipped hour", false, "2021-03-28T02:30:00", "", ""},
        {"after the skipped hour", false, "2021-03-28T03:00:00", "2021-03-28T03:00:00", "2021.03.28.03.00.00"},
        {"repeated hour", false, "2021-10-31T02:30:00", "2021-10-31T02:30:00", "2021.10.31.02.30.00"},
        {"blank for the T", false, "2024-03-10 12:34:56", "2024-03-10T12:34:56", nullptr},
        {"blanks around", false, " 2024-03-10T12:34:56 ", "2024-03-10T12:34:56", nullptr},
        {"milliseconds", false, "2024-03-10T12:34:56.789", "2024-03-10T12:34:56", nullptr},
        {"24:00", false, "2024-03-10T24:00:00", "2024-03-11T00:00:00", nullptr},
        {"date alone", false, "2024-03-10", "2024-03-10T00:00:00", nullptr},
        {"UTC, kept in UTC", false, "2024-03-10T12:34:56Z", "2024-03-10T12:34:56", nullptr},
        {"year 999", false, "0999-01-01T00:00:00", "0999-01-01T00:00:00", "0999.01.01.00.00.00"},
        {"hour 25", false, "2024-03-10T25:00:00", "", nullptr},
        {"one-digit parts", false, "2024-3-1T1:2:3", "", nullptr},
        {"letter", false, "2024-03-1xT12:00:00", "", nullptr},
        {"letter in the year", false, "20x4-03-10T12:00:00", "", nullptr},
        {"empty date-time", false, "", "", ""},
        {"date leap day", true, "2024-02-29", "2024-02-29", "2024.02.29"},
        {"date month end", true, "2023-11-30", "2023-11-30", nullptr},
        {"date no leap day", true, "2023-02-29", "", nullptr},
        {"date with a time", true, "2024-03-10T12:34:56", "2024-03-10", nullptr},
        {"date year 999", true, "0999-12-31", "0999-12-31", "0999.12.31"},
        {"date letter", true, "2024-0a-10", "", nullptr},
        {"empty date", true, "", "", ""},
    };
    return forms;
}

// The rows as a test's data: kind ("date" or "datetime"), the stored text
// and the form wanted (back, or written for the export rows only).
inline void addDateFormRows(bool written)
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("wanted");
    for (const DateForm& form : dateForms()) {
        if (written && !form.written)
            continue;
        QTest::newRow(form.name) << QString::fromLatin1(form.date ? "date" : "datetime")
                                 << QString::fromLatin1(form.stored)
                                 << QString::fromLatin1(written ? form.written : form.back);
    }
}
