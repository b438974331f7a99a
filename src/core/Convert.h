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
class Convert : public QObject
{
    Q_OBJECT
public:
    Convert() = delete;

    // Trimmed text is one of yes, y, true, 1, checked, + (any case).
    static bool toBool(const QString& text);
    static bool equalsIgnoreCase(const QString& a, const QString& b);
    // The base-10 number is not 0; a text that is not a number gives false.
    static bool intTextToBool(const QString& text);
    // Base 10; 0 for a text that is not a number.
    static int toInt(const QString& text);
    static bool isInt(const QString& text);
    static bool isBoolNumber(const QString& text) { return isInt(text); }
    static bool intToBool(const QString& text) { return intTextToBool(text); }
    static bool startsWithUpper(const QString& text);
    static QString capitalize(const QString& text);
    // At most limit UTF-16 units of the text, cut where a user-perceived
    // character ends: a surrogate pair (emoji) is never split, and a letter
    // keeps its combining marks. Only a single character longer than the limit
    // is cut between its code points. A text within the limit comes back as it
    // is (a null text stays null).
    static QString leftText(const QString& text, int limit);

    // "xindex...:n" tokens.
    static bool isIndexToken(const QString& text);
    // The integer after the first ":"; 0 when there is none or it is no integer.
    static int indexOfToken(const QString& text);
    static bool isIndex(const QString& text) { return isIndexToken(text); }
    static int toIndex(const QString& text) { return indexOfToken(text); }

    // Dates "yyyy.M.d" and date-times "yyyy.M.d.h.m.s", each part an integer.
    static bool isDate(const QString& text);
    // An invalid date when isDate rejects the text.
    static QDate toDate(const QString& text);
    static bool isDateTime(const QString& text);
    // Local time, milliseconds 0; an invalid date-time when isDateTime rejects the text.
    static QDateTime toDateTime(const QString& text);

    // Spin-group numbers as colours: n < 1 gives white; colours with a
    // component above 50 give -1.
    static QColor idToColor(int n);
    static int colorToId(const QColor& color);

    // Null pixmap/image when the bytes are not an image; the bytes are PNG.
    // The image forms are safe on any thread.
    static QPixmap bytesToPixmap(const QByteArray& bytes);
    static QByteArray pixmapToBytes(const QPixmap& pixmap);
    static QImage bytesToImage(const QByteArray& bytes);
    static QByteArray imageToBytes(const QImage& image);
};

} // namespace Vexal
