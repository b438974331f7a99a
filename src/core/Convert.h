#pragma once

#include <QByteArray>
#include <QColor>
#include <QDate>
#include <QDateTime>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QString>

namespace Vexal {

// Conversions between texts, numbers, dates, colours and images.
namespace Convert {

// Trimmed text is one of yes, y, true, 1, checked, + (any case).
bool toBool(const QString& text);
bool equalsIgnoreCase(const QString& a, const QString& b);
// The base-10 number is not 0; a text that is not a number gives false.
bool intTextToBool(const QString& text);
// Base 10; 0 for a text that is not a number.
int toInt(const QString& text);
bool isInt(const QString& text);
bool startsWithUpper(const QString& text);
QString capitalize(const QString& text);
// At most limit UTF-16 units of the text, cut where a user-perceived
// character ends: a surrogate pair (emoji) is never split, and a letter
// keeps its combining marks. Only a single character longer than the limit
// is cut between its code points. A text within the limit comes back as it
// is (a null text stays null).
QString leftText(const QString& text, int limit);

// "xindex...:n" tokens.
bool isIndexToken(const QString& text);
// The integer after the first ":"; 0 when there is none or it is no integer.
int indexOfToken(const QString& text);
inline bool isIndex(const QString& text) { return isIndexToken(text); }
inline int toIndex(const QString& text) { return indexOfToken(text); }

// Splits at "." into exactly count base-10 integers; false for any other
// count or a part that is no integer. Kept empty parts are no integers
// ("2012..1" fails); skipped ones are passed over ("2012..1" is 2012, 1).
bool splitInts(const QString& text, int count, int* parts, Qt::SplitBehavior empty = Qt::KeepEmptyParts);

// Dates "yyyy.M.d" and date-times "yyyy.M.d.h.m.s", each part an integer.
bool isDate(const QString& text);
// An invalid date when isDate rejects the text.
QDate toDate(const QString& text);
bool isDateTime(const QString& text);
// Local time, milliseconds 0; an invalid date-time when isDateTime rejects the text.
QDateTime toDateTime(const QString& text);

// The date as "yyyy<s>MM<s>dd", and the date-time in its own time spec as
// "yyyy<d>MM<d>dd<m>hh<t>mm<t>ss" (seconds, no milliseconds): the forms dates
// are stored, compared and exchanged in. The digits are ASCII whatever the
// locale (a date's QString formats write the system locale's own digits,
// which no reader takes back); an invalid value gives "".
QString dateText(const QDate& date, char separator);
QString dateTimeText(const QDateTime& dateTime, char dateSeparator, char middle, char timeSeparator);

// Spin-group numbers as colours: n < 1 gives white; colours with a
// component above 50 give -1.
QColor idToColor(int n);
int colorToId(const QColor& color);

// Null pixmap/image when the bytes are not an image; the bytes are PNG.
// The image forms are safe on any thread.
QPixmap bytesToPixmap(const QByteArray& bytes);
QByteArray pixmapToBytes(const QPixmap& pixmap);
QImage bytesToImage(const QByteArray& bytes);
QByteArray imageToBytes(const QImage& image);

} // namespace Convert

} // namespace Vexal
