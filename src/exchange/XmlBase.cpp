#include "exchange/XmlBase.h"

#include "core/Convert.h"
#include "data/DBBase.h"
#include "data/DBField.h"
#include "core/DBSql.h"
#include "data/RecentConversions.h"
#include "data/SqlStatement.h"

#include <QBuffer>
#include <QImageReader>
#include <QSqlQuery>

namespace Vexal {

XmlBase::XmlBase(QObject* parent)
    : QObject(parent)
{
}

XmlBase::~XmlBase() = default;

void XmlBase::setRecord(DBBase* record)
{
    m_record = record;
    m_fresh.reset();
    m_names.clear();
}

void XmlBase::reset()
{
    if (!m_fresh)
        m_fresh.reset(m_record->create(nullptr));
    m_record->resetTo(*m_fresh);
    m_malformed.clear();
    m_given.clear();
    m_refusedKey.clear();
    m_refusedKeyText.clear();
}

void XmlBase::bindValues(QSqlQuery& query)
{
    m_record->bindValues(query);
}

void XmlBase::readValues(const QSqlQuery& query)
{
    m_record->readValues(query);
}

void XmlBase::readValues(const SqlStatement& row)
{
    m_record->readValues(row);
}

QString XmlBase::tableName() const
{
    return m_record ? m_record->tableName() : QString();
}

QString XmlBase::displayName() const
{
    return m_record ? m_record->displayName() : QString();
}

QString XmlBase::columnsText() const
{
    return m_record ? m_record->columnsText() : QString();
}

// Every exchanged field, in the kind's column order, in its text form.
void XmlBase::write(XmlItem& item)
{
    const DBFields& fields = m_record->fields();
    for (const DBField& field : fields) {
        if (field.isExchanged() && !field.has(DBField::XmlLast))
            writeField(item, field);
    }
    for (const DBField& field : fields) {
        if (field.isExchanged() && field.has(DBField::XmlLast))
            writeField(item, field);
    }
}

void XmlBase::writeField(XmlItem& item, const DBField& field)
{
    const QString name = field.column();
    switch (field.type()) {
    case FieldType::Int:
        if (field.has(DBField::XmlAsFlag))
            appendBool(item, name, field.boolValue(m_record));
        else
            appendInt(item, name, field.intValue(m_record));
        break;
    case FieldType::Text:
        appendText(item, name, field.textValue(m_record));
        break;
    case FieldType::Bool:
        appendBool(item, name, field.boolValue(m_record));
        break;
    case FieldType::Date:
        appendDate(item, name, field.dateValue(m_record));
        break;
    case FieldType::DateTime:
        appendDateTime(item, name, field.dateTimeValue(m_record));
        break;
    case FieldType::Image:
        appendPixmap(item, name, field.imageValue(m_record));
        break;
    }
}

namespace {

// The text of an element that has none.
const QString noText;

} // namespace

// Every field read back from the item by the one rule of the class comment.
bool XmlBase::read(const XmlItem& item)
{
    if (item.tagName() != ConstXML::itemTag())
        return false;
    const DBFields& fields = m_record->fields();
    if (m_names.size() != fields.size() + 1) {
        m_names.clear();
        m_skipsEmpty.clear();
        m_matched.clear();
        for (const DBField& field : fields) {
            m_names.push_back(field.column());
            m_skipsEmpty.push_back(m_names.back() == DBSql::colName() || m_names.back() == DBSql::colComments());
        }
        m_names.push_back(DBSql::colXDelete());
    }
    locate(item);
    m_given.assign(fields.size(), 0);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!fields[i].isReadFromXml())
            continue;
        const Outcome outcome = readField(i, fields[i]);
        if (outcome == Outcome::Refused)
            return false;
        m_given[i] = outcome == Outcome::Given;
    }
    bool ok = false;
    const bool mark = intFrom(elementText(fields.size()), m_names.back(), &ok) != 0;
    if (ok)
        m_record->setDeleteMark(mark);
    return true;
}

// Finds each field's element in one pass over the item's children, as
// XmlItem::findText and childText would for each name. Fields mostly come in
// table order, so a child's name is mostly the next field's; and the reader
// hands a file's names out as shared copies, so once a name has matched, the
// next item's same name matches by its data alone.
void XmlBase::locate(const XmlItem& item)
{
    const std::size_t count = m_names.size();
    m_present.assign(count, 0);
    m_valued.assign(count, nullptr);
    if (m_matched.size() != count)
        m_matched.assign(count, QString());
    auto matches = [this](const QString& name, std::size_t i) {
        if (name.constData() == m_matched[i].constData() && name.size() == m_matched[i].size())
            return true;
        if (name.size() != m_names[i].size() || name != m_names[i])
            return false;
        m_matched[i] = name;
        return true;
    };
    std::size_t guess = 0;
    for (const XmlItem::Child& child : item.children()) {
        if (!child.isElement && !child.hasChildNodes)
            continue;
        std::size_t at = guess < count && matches(child.name, guess) ? guess : count;
        for (std::size_t i = 0; at == count && i < count; ++i) {
            if (matches(child.name, i))
                at = i;
        }
        if (at == count)
            continue;
        guess = at + 1;
        if (child.isElement)
            m_present[at] = 1;
        if (child.hasChildNodes && !m_valued[at])
            m_valued[at] = &child.text;
    }
}

// The text of field i's element as XmlItem::findText gives it: null when the
// item has no such element.
const QString* XmlBase::elementText(std::size_t i) const
{
    if (!m_present[i])
        return nullptr;
    return m_valued[i] ? m_valued[i] : &noText;
}

XmlBase::Outcome XmlBase::readField(std::size_t i, const DBField& field)
{
    const QString& name = m_names[i];
    const QString* text = elementText(i);
    bool ok = false;
    switch (field.type()) {
    case FieldType::Int: {
        if (field.holdsId()) {
            // As childText gives it: the first valued child of the name. A
            // reference that is not a key may be left out or empty (a new
            // record then keeps its default, an overwritten row its stored
            // one); one that is given must be an ID, or the item would lose
            // the row it names.
            const QString keyText = m_valued[i] ? *m_valued[i] : QString();
            if (keyText.isEmpty() && !field.has(DBField::Key))
                return Outcome::Kept;
            const qint64 key = keyFrom(keyText, name, &ok);
            if (!ok) {
                m_refusedKey = name;
                m_refusedKeyText = keyText;
                return Outcome::Refused;
            }
            field.setInt(m_record, key);
            return Outcome::Given;
        }
        const qint64 value = intFrom(text, name, &ok, field.minimum(), field.maximum());
        if (ok)
            field.setInt(m_record, field.has(DBField::XmlAsFlag) ? qint64(value != 0) : value);
        break;
    }
    case FieldType::Text: {
        ok = text != nullptr && !(m_skipsEmpty[i] && text->isEmpty());
        // An empty element is the empty text, stored as '' as an emptied
        // field of an editor is, not as a text never set (NULL).
        static const QString emptyText(QLatin1String(""));
        if (ok)
            field.setText(m_record, text->isNull() ? emptyText : *text);
        break;
    }
    case FieldType::Bool: {
        const bool value = intFrom(text, name, &ok) != 0;
        if (ok)
            field.setBool(m_record, value);
        break;
    }
    case FieldType::Date: {
        const QDate value = dateFrom(text, name, &ok);
        if (ok)
            field.setDate(m_record, value);
        break;
    }
    case FieldType::DateTime: {
        const QDateTime value = dateTimeFrom(text, name, &ok);
        if (ok)
            field.setDateTime(m_record, value);
        break;
    }
    case FieldType::Image: {
        const QImage value = pixmapFrom(text, name, &ok);
        if (ok)
            field.setImage(m_record, value);
        break;
    }
    }
    return ok ? Outcome::Given : Outcome::Kept;
}

void XmlBase::appendText(XmlItem& item, const QString& name, const QString& value)
{
    item.append(name, value);
}

void XmlBase::appendInt(XmlItem& item, const QString& name, qint64 value)
{
    item.append(name, QString::number(value));
}

void XmlBase::appendBool(XmlItem& item, const QString& name, bool value)
{
    item.append(name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void XmlBase::appendDate(XmlItem& item, const QString& name, const QDate& value)
{
    item.append(name, dateText(value));
}

void XmlBase::appendDateTime(XmlItem& item, const QString& name, const QDateTime& value)
{
    item.append(name, dateTimeText(value));
}

void XmlBase::appendPixmap(XmlItem& item, const QString& name, const QImage& value)
{
    item.append(name, imageText(value));
}

// "yyyy.MM.dd" and, in local time, "yyyy.MM.dd.hh.mm.ss".
QString XmlBase::dateText(const QDate& date)
{
    return Convert::dateText(date, '.');
}

QString XmlBase::dateTimeText(const QDateTime& dateTime)
{
    return Convert::dateTimeText(dateTime.toLocalTime(), '.', '.', '.');
}

// The stored form's bytes (DBBase::imageValue), so that an icon met again
// is encoded once; in Base64, also once per icon.
QString XmlBase::imageText(const QImage& image)
{
    if (image.isNull())
        return QString();
    static thread_local RecentConversions<QImage, QString> texts;
    return texts.get(image, [](const QImage& picture) {
        return QString::fromLatin1(DBBase::imageValue(picture).toByteArray().toBase64());
    });
}

QString XmlBase::childText(const XmlItem& element, const QString& name)
{
    return element.childText(name);
}

bool XmlBase::hasElement(const XmlItem& element, const QString& name)
{
    return element.hasElement(name);
}

namespace {

// QString::toLongLong, with the form every file writes (decimal digits,
// perhaps a minus, too few to overflow) taken without the locale's number
// parser.
qint64 toInteger(const QString& text, bool* ok)
{
    const QChar* c = text.constData();
    const int size = text.size();
    const int sign = size > 0 && c[0] == QLatin1Char('-') ? 1 : 0;
    if (size - sign >= 1 && size - sign <= 18) {
        qint64 value = 0;
        int i = sign;
        for (; i < size; ++i) {
            const uint digit = uint(c[i].unicode()) - '0';
            if (digit > 9)
                break;
            value = value * 10 + digit;
        }
        if (i == size) {
            *ok = true;
            return sign ? -value : value;
        }
    }
    return text.toLongLong(ok, 10);
}

} // namespace

void XmlBase::noteMalformed(const QString& name, const QString& text, bool ok)
{
    if (!ok && !text.isEmpty())
        m_malformed.append(name);
}

// Every reader of a value that is not a text follows one rule (see the class
// comment): a missing or empty element gives no value, any other text gives
// its value when it converts and is noted as malformed when not. The readers
// by name find the element as XmlItem does; read() finds them all at once
// (locate) and converts through the same functions.
bool XmlBase::readText(const XmlItem& element, const QString& name, QString* value)
{
    return element.find(name, value);
}

qint64 XmlBase::readKey(const XmlItem& element, const QString& name, bool* ok)
{
    return keyFrom(childText(element, name), name, ok);
}

int XmlBase::readInt(const XmlItem& element, const QString& name, bool* ok)
{
    return int(intFrom(element.findText(name), name, ok));
}

bool XmlBase::readBool(const XmlItem& element, const QString& name, bool* ok)
{
    return readInt(element, name, ok) != 0;
}

QDate XmlBase::readDate(const XmlItem& element, const QString& name, bool* ok)
{
    return dateFrom(element.findText(name), name, ok);
}

QDateTime XmlBase::readDateTime(const XmlItem& element, const QString& name, bool* ok)
{
    return dateTimeFrom(element.findText(name), name, ok);
}

QImage XmlBase::readPixmap(const XmlItem& element, const QString& name, bool* ok)
{
    return pixmapFrom(element.findText(name), name, ok);
}

qint64 XmlBase::keyFrom(const QString& text, const QString& name, bool* ok)
{
    *ok = false;
    const qint64 value = toInteger(text, ok);
    noteMalformed(name, text, *ok);
    return *ok ? value : 0;
}

qint64 XmlBase::intFrom(const QString* text, const QString& name, bool* ok, qint64 minimum, qint64 maximum)
{
    *ok = false;
    if (!text || text->isEmpty())
        return 0;
    const qint64 value = toInteger(*text, ok);
    *ok = *ok && value >= minimum && value <= maximum;
    noteMalformed(name, *text, *ok);
    return *ok ? value : 0;
}

QDate XmlBase::dateFrom(const QString* text, const QString& name, bool* ok)
{
    *ok = false;
    if (!text || text->isEmpty())
        return QDate();
    int p[3];
    *ok = Convert::splitInts(*text, 3, p, Qt::SkipEmptyParts) && QDate::isValid(p[0], p[1], p[2]);
    noteMalformed(name, *text, *ok);
    return *ok ? QDate(p[0], p[1], p[2]) : QDate();
}

QDateTime XmlBase::dateTimeFrom(const QString* text, const QString& name, bool* ok)
{
    *ok = false;
    if (!text || text->isEmpty())
        return QDateTime();
    int p[6];
    *ok = Convert::splitInts(*text, 6, p, Qt::SkipEmptyParts) && QDate::isValid(p[0], p[1], p[2])
          && QTime::isValid(p[3], p[4], p[5]);
    noteMalformed(name, *text, *ok);
    return *ok ? QDateTime(QDate(p[0], p[1], p[2]), QTime(p[3], p[4], p[5]), Qt::LocalTime) : QDateTime();
}

// An icon is decoded only when its header gives a size an icon can have: a
// small file must not expand into a huge image (nor be stored as one). A text
// met again (a file's rows mostly repeat a few icons) is decoded once.
QImage XmlBase::pixmapFrom(const QString* text, const QString& name, bool* ok)
{
    *ok = false;
    if (!text || text->isEmpty())
        return QImage();
    static thread_local RecentConversions<QString, QImage> images;
    const QImage image = images.get(*text, [](const QString& base64) {
        QByteArray bytes = QByteArray::fromBase64(base64.toLatin1());
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        const QSize size = reader.size();
        if (size.isValid() && size.width() <= maxIconSide && size.height() <= maxIconSide)
            return reader.read();
        return QImage();
    });
    *ok = !image.isNull();
    noteMalformed(name, *text, *ok);
    return image;
}

qint64 XmlBase::id() const
{
    return m_record->id();
}

QString XmlBase::errorText() const
{
    return m_record->errorText();
}

bool XmlBase::deleteMark() const
{
    return m_record->deleteMark();
}

bool XmlBase::loadStored(qint64 id)
{
    return m_record->load(id);
}

bool XmlBase::insertRecord()
{
    m_record->setState(DBBase::StateNew);
    return m_record->save();
}

bool XmlBase::updateRecord()
{
    m_record->setState(DBBase::StateClean);
    m_record->setState(DBBase::StateModified);
    return m_record->save();
}

bool XmlBase::deleteRecord()
{
    m_record->setState(DBBase::StateClean);
    m_record->setState(DBBase::StateDeleted);
    return m_record->save();
}

} // namespace Vexal
