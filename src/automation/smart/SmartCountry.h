#pragma once

#include <QString>
#include <QStringList>

namespace Vexal {

// The names and codes that choice lists give the countries the program
// ships (data/system/countries.xml): the common names, and the two- and
// three-letter codes.
namespace SmartCountry {

// Every name and code of the country that the text is one of (compared
// ignoring case, blanks, dots and commas), the text first; the text alone
// when it names no country of the table.
QStringList namesOf(const QString& text);

// Whether the text is a name of a country of the table (not a code), also
// with its own name in brackets after it ("Norway (Norge)").
bool isCountryName(const QString& text);

// The countries of the table, each as its two-letter code, three-letter
// code and common names.
QList<QStringList> countries();

} // namespace SmartCountry

} // namespace Vexal
