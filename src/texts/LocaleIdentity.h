#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_IDENTITY_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(code, "Code") \
    TEXT(languageId, "Language ID") \
    TEXT(countryId, "Country ID") \
    FORWARD(name, LocaleBase, name) \
    FORWARD(comments, LocaleBase, comments) \
    FORWARD(language, LocaleInstance, language) \
    FORWARD(country, LocaleInstance, country) \
    FORWARD(male, LocaleSql, colMale) \
    FORWARD(province, LocaleSql, colProvince) \
    FORWARD(details, LocaleSql, colDetails) \
    FORWARD(firstNames, LocaleInstance, firstNames) \
    FORWARD(firstName, LocaleInstance, firstName) \
    FORWARD(lastNames, LocaleInstance, lastNames) \
    FORWARD(lastName, LocaleInstance, lastName) \
    FORWARD(countries, LocaleInstance, countries) \
    FORWARD(cities, LocaleInstance, cities) \
    FORWARD(city, LocaleInstance, city) \
    FORWARD(addresses, LocaleInstance, addresses) \
    FORWARD(address, LocaleInstance, address)

namespace Vexal {

// The identity journals, tables and editors: first and last names,
// countries, cities and addresses.
namespace LocaleIdentity {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_IDENTITY_TABLE)

} // namespace LocaleIdentity

} // namespace Vexal
