#include "core/Convert.h"

#include <QBuffer>
#include <QLocale>
#include <QStringList>
#include <QTextBoundaryFinder>
#include <QTime>

namespace Vexal {

bool Convert::splitInts(const QString& text, int count, int* parts, Qt::SplitBehavior empty)
{
    if (text.isEmpty())
        return false;
    // Parts of ASCII digits, as files and versions write them, are read in
    // one pass; anything else (a sign, a blank, a long number) as
    // QString::toInt reads it.
    int found = 0;
    int value = 0;
    int digits = 0;
    const QChar* const end = text.constData() + text.size();
    for (const QChar* c = text.constData();; ++c) {
        if (c == end || *c == QLatin1Char('.')) {
            if (digits > 0) {
                if (found == count)
                    return false;
                parts[found++] = value;
            } else if (empty == Qt::KeepEmptyParts) {
                return false;
            }
            if (c == end)
                return found == count;
            value = 0;
            digits = 0;
            continue;
        }
        const uint digit = uint(c->unicode()) - '0';
        if (digit > 9 || digits == 9)
            break;
        value = value * 10 + int(digit);
        ++digits;
    }
    const QStringList pieces = text.split(QLatin1Char('.'), empty);
    if (pieces.size() != count)
        return false;
    for (int i = 0; i < count; ++i) {
        bool ok = false;
        parts[i] = pieces.at(i).toInt(&ok, 10);
        if (!ok)
            return false;
    }
    return true;
}

bool Convert::toBool(const QString& text)
{
    static const char* const words[] = {"yes", "y", "true", "1", "checked", "+"};
    const QString trimmed = text.trimmed();
    for (const char* word : words) {
        if (trimmed.compare(QLatin1String(word), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool Convert::equalsIgnoreCase(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool Convert::intTextToBool(const QString& text)
{
    return toInt(text) != 0;
}

int Convert::toInt(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : 0;
}

bool Convert::isInt(const QString& text)
{
    bool ok = false;
    text.toInt(&ok, 10);
    return !text.isEmpty() && ok;
}

bool Convert::startsWithUpper(const QString& text)
{
    if (text.isEmpty())
        return false;
    const uint first = text.at(0).isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate()
                           ? QChar::surrogateToUcs4(text.at(0), text.at(1))
                           : text.at(0).unicode();
    return QChar::category(first) == QChar::Letter_Uppercase;
}

QString Convert::capitalize(const QString& text)
{
    if (text.isEmpty())
        return text;
    const int length = text.at(0).isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate() ? 2 : 1;
    return text.left(length).toUpper() + text.mid(length);
}

QString Convert::leftText(const QString& text, int limit)
{
    if (text.size() <= limit)
        return text;
    if (limit <= 0)
        return text.left(0);
    // The boundary at the limit depends only on what precedes it and on the
    // code point that follows, so the rest of a long text is not scanned.
    const int scanned = qMin(text.size(), limit + 2);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.constData(), scanned);
    finder.setPosition(limit);
    int end = limit;
    if (!finder.isAtBoundary()) {
        end = finder.toPreviousBoundary();
        if (end <= 0) {
            end = limit;
            if (text.at(end - 1).isHighSurrogate() && text.at(end).isLowSurrogate())
                --end;
        }
    }
    return text.left(end);
}

bool Convert::isIndexToken(const QString& text)
{
    return text.startsWith(QLatin1String("xindex"), Qt::CaseInsensitive) && text.contains(QLatin1Char(':'));
}

int Convert::indexOfToken(const QString& text)
{
    const int colon = text.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return 0;
    return toInt(text.mid(colon + 1));
}

bool Convert::isDate(const QString& text)
{
    return toDate(text).isValid();
}

QDate Convert::toDate(const QString& text)
{
    int parts[3];
    if (!splitInts(text, 3, parts) || !QDate::isValid(parts[0], parts[1], parts[2]))
        return QDate();
    return QDate(parts[0], parts[1], parts[2]);
}

bool Convert::isDateTime(const QString& text)
{
    int parts[6];
    return splitInts(text, 6, parts) && QDate::isValid(parts[0], parts[1], parts[2])
           && QTime::isValid(parts[3], parts[4], parts[5]);
}

QDateTime Convert::toDateTime(const QString& text)
{
    int parts[6];
    if (!splitInts(text, 6, parts) || !QDate::isValid(parts[0], parts[1], parts[2])
        || !QTime::isValid(parts[3], parts[4], parts[5]))
        return QDateTime();
    return QDateTime(QDate(parts[0], parts[1], parts[2]), QTime(parts[3], parts[4], parts[5], 0), Qt::LocalTime);
}

namespace {

// The value's `width` last decimal digits, zero-padded, at `out`.
QChar* putDigits(QChar* out, int value, int width)
{
    for (int i = width - 1; i >= 0; --i) {
        out[i] = QLatin1Char(char('0' + value % 10));
        value /= 10;
    }
    return out + width;
}

QChar* putDate(QChar* out, const QDate& date, char separator)
{
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    out = putDigits(out, year, 4);
    *out++ = QLatin1Char(separator);
    out = putDigits(out, month, 2);
    *out++ = QLatin1Char(separator);
    return putDigits(out, day, 2);
}

// Years of four digits are written digit by digit; others (before year 1
// or after 9999) by the C locale's formatter, which pads and signs them.
bool fourDigitYear(const QDate& date)
{
    const int year = date.year();
    return year >= 1 && year <= 9999;
}

QString dateFormat(char separator)
{
    return QStringLiteral("yyyy%1MM%1dd").arg(QLatin1Char(separator));
}

} // namespace

QString Convert::dateText(const QDate& date, char separator)
{
    if (!date.isValid())
        return QString();
    if (!fourDigitYear(date))
        return QLocale::c().toString(date, dateFormat(separator));
    QString text(10, Qt::Uninitialized);
    putDate(text.data(), date, separator);
    return text;
}

QString Convert::dateTimeText(const QDateTime& dateTime, char dateSeparator, char middle, char timeSeparator)
{
    if (!dateTime.isValid())
        return QString();
    const QDate date = dateTime.date();
    if (!fourDigitYear(date)) {
        const QString time = QStringLiteral("hh%1mm%1ss").arg(QLatin1Char(timeSeparator));
        return QLocale::c().toString(dateTime, dateFormat(dateSeparator) + QLatin1Char(middle) + time);
    }
    const QTime time = dateTime.time();
    QString text(19, Qt::Uninitialized);
    QChar* out = putDate(text.data(), date, dateSeparator);
    *out++ = QLatin1Char(middle);
    out = putDigits(out, time.hour(), 2);
    *out++ = QLatin1Char(timeSeparator);
    out = putDigits(out, time.minute(), 2);
    *out++ = QLatin1Char(timeSeparator);
    putDigits(out, time.second(), 2);
    return text;
}

QColor Convert::idToColor(int n)
{
    if (n < 1)
        return QColor(255, 255, 255, 255);
    // Red is capped at 255 so that the colour stays valid; such a colour reads
    // back as -1 like every other one beyond the range.
    return QColor(qMin(n / 2500, 255), (n / 50) % 50, n % 50, 255);
}

int Convert::colorToId(const QColor& color)
{
    if (!color.isValid() || color.red() > 50 || color.green() > 50 || color.blue() > 50)
        return -1;
    return color.red() * 2500 + color.green() * 50 + color.blue();
}

namespace {

// QPixmap and QImage share these two steps: a null picture when the bytes are
// not an image, PNG bytes the other way.
template <class Picture>
Picture pictureFromBytes(const QByteArray& bytes)
{
    Picture picture;
    if (!picture.loadFromData(bytes))
        return Picture();
    return picture;
}

template <class Picture>
QByteArray pictureToBytes(const Picture& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

} // namespace

QPixmap Convert::bytesToPixmap(const QByteArray& bytes) { return pictureFromBytes<QPixmap>(bytes); }
QByteArray Convert::pixmapToBytes(const QPixmap& pixmap) { return pictureToBytes(pixmap); }
QImage Convert::bytesToImage(const QByteArray& bytes) { return pictureFromBytes<QImage>(bytes); }
QByteArray Convert::imageToBytes(const QImage& image) { return pictureToBytes(image); }

} // namespace Vexal
