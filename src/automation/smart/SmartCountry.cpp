#include "automation/smart/SmartCountry.h"

#include <QSet>

namespace Vexal {

namespace {

// Each country: its two-letter code, three-letter code and common names.
const char* const countryTable[][6] = {
    {"US", "USA", "United States", "United States of America", "U.S.A.", "U.S."},
    {"GB", "GBR", "United Kingdom", "UK", "Great Britain", "Britain"},
    {"CA", "CAN", "Canada", nullptr, nullptr, nullptr},
    {"AU", "AUS", "Australia", nullptr, nullptr, nullptr},
    {"IE", "IRL", "Ireland", "Republic of Ireland", nullptr, nullptr},
    {"NZ", "NZL", "New Zealand", nullptr, nullptr, nullptr},
    {"DE", "DEU", "Germany", nullptr, nullptr, nullptr},
    {"FR", "FRA", "France", nullptr, nullptr, nullptr},
    {"ES", "ESP", "Spain", nullptr, nullptr, nullptr},
    {"IT", "ITA", "Italy", nullptr, nullptr, nullptr},
    {"PT", "PRT", "Portugal", nullptr, nullptr, nullptr},
    {"NL", "NLD", "Netherlands", "The Netherlands", "Netherlands, The", "Holland"},
    {"BE", "BEL", "Belgium", nullptr, nullptr, nullptr},
    {"CH", "CHE", "Switzerland", nullptr, nullptr, nullptr},
    {"AT", "AUT", "Austria", nullptr, nullptr, nullptr},
    {"SE", "SWE", "Sweden", nullptr, nullptr, nullptr},
    {"NO", "NOR", "Norway", nullptr, nullptr, nullptr},
    {"DK", "DNK", "Denmark", nullptr, nullptr, nullptr},
    {"PL", "POL", "Poland", nullptr, nullptr, nullptr},
    {"RU", "RUS", "Russia", "Russian Federation", nullptr, nullptr},
    {"BR", "BRA", "Brazil", nullptr, nullptr, nullptr},
    {"MX", "MEX", "Mexico", nullptr, nullptr, nullptr},
    {"AR", "ARG", "Argentina", nullptr, nullptr, nullptr},
    {"JP", "JPN", "Japan", nullptr, nullptr, nullptr},
    {"IN", "IND", "India", nullptr, nullptr, nullptr},
    {"ZA", "ZAF", "South Africa", "Republic of South Africa", nullptr, nullptr},
};

// "U.S.A." and "usa", "Netherlands, The" and "netherlands the" alike.
QString key(const QString& text)
{
    QString result;
    for (const QChar c : text) {
        if (c.isLetterOrNumber())
            result += c.toCaseFolded();
    }
    return result;
}

} // namespace

QList<QStringList> SmartCountry::countries()
{
    QList<QStringList> table;
    for (const auto& country : countryTable) {
        QStringList names;
        for (const char* name : country) {
            if (name)
                names << QLatin1String(name);
        }
        table << names;
    }
    return table;
}

bool SmartCountry::isCountryName(const QString& text)
{
    static const QSet<QString> names = [] {
        QSet<QString> keys;
        for (const auto& country : countryTable) {
            // The codes (the first two) are left out: "CA" and "GA" are states too.
            for (int i = 2; i < 6; ++i) {
                if (country[i])
                    keys.insert(key(QLatin1String(country[i])));
            }
        }
        return keys;
    }();
    const int bracket = text.indexOf(QLatin1Char('('));
    return names.contains(key(bracket > 0 ? text.left(bracket) : text));
}

QStringList SmartCountry::namesOf(const QString& text)
{
    QStringList names{text};
    const QString wanted = key(text);
    if (wanted.isEmpty())
        return names;
    for (const auto& country : countryTable) {
        bool found = false;
        for (const char* name : country) {
            if (name && key(QLatin1String(name)) == wanted) {
                found = true;
                break;
            }
        }
        if (!found)
            continue;
        for (const char* name : country) {
            if (name && !names.contains(QLatin1String(name), Qt::CaseInsensitive))
                names << QLatin1String(name);
        }
        break;
    }
    return names;
}

} // namespace Vexal
