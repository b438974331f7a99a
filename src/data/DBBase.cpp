#include "data/DBBase.h"

#include "core/Convert.h"
#include "data/DBConnection.h"
#include "data/DBField.h"
#include "data/DBReferences.h"
#include "data/RecentConversions.h"
#include "data/SqlStatement.h"
#include "core/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlError>
#include <QSqlQuery>

#include <initializer_list>

namespace Vexal {

DBBase::DBBase(QObject* parent)
    : QObject(parent)
{
}

DBBase::~DBBase() = default;

QStringList DBBase::commonColumns()
{
    return {DBSql::colID(), DBSql::colName(), DBSql::colComments()};
}

const DBFields& DBBase::fields() const
{
    return baseFields();
}

const DBFields& DBBase::baseFields()
{
    static const DBFields table = {
        DBField::integer(&DBSql::colID, &DBBase::m_id, DBField::Key),
        DBField::text(&DBSql::colName, &DBBase::m_name, nameLimit, DBField::NonEmpty),
        DBField::text(&DBSql::colComments, &DBBase::m_comments, commentsLimit),
    };
    return table;
}

bool DBBase::canLoad(qint64)
{
    return true;
}

bool DBBase::load(qint64 id)
{
    if (!canLoad(id))
        return false;
    m_id = id;
    const QString text = selectText();
    if (text.isEmpty()) {
        setErrorText(LocaleSql::selectQueryEmpty());
        return false;
    }
    QSqlQuery query(DBConnection::current());
    query.setForwardOnly(true);
    query.exec(text);
    bool read = false;
    if (query.next()) {
        readValues(query);
        markClean();
        read = true;
    }
    if (query.lastError().isValid()) {
        failed(text, query);
        return false;
    }
    if (!read) {
        setErrorText(LocaleSql::sqlQueryFailed(text, LocaleSql::resultSetEmpty()));
        return false;
    }
    afterLoad();
    return true;
}

void DBBase::afterLoad()
{
}

bool DBBase::isValid()
{
    return true;
}

bool DBBase::save()
{
    if (!isValid())
        return false;
    switch (m_state) {
    case StateNew:
        return insertRow();
    case StateModified:
        return updateRow();
    case StateDeleted:
        return deleteRow();
    default:
        return true;
    }
}

bool DBBase::remove()
{
    setState(StateDeleted);
    return save();
}

namespace {

// A named placeholder of a QtSql statement, taking a field's value as the
// field table binds it (DBField::bind).
struct QueryBinder
{
    QSqlQuery& query;
    QString place;
    void bindNull() { query.bindValue(place, QVariant()); }
    void bindInt(qint64 value) { query.bindValue(place, value); }
    void bindText(const QString& text) { query.bindValue(place, text); }
    void bindBytes(const QByteArray& bytes) { query.bindValue(place, bytes); }
};

} // namespace

// A new record's ID is NULL: its insert gives it the next one (insertText).
void DBBase::bindValues(QSqlQuery& query)
{
    const DBFields& table = fields();
    table.bindRow(this, [&](std::size_t i) { return QueryBinder{query, table[i].column(true)}; });
}

void DBBase::resetTo(const DBBase& fresh)
{
    for (const DBField& field : fields())
        field.copyRaw(this, &fresh);
    m_state = fresh.m_state;
    m_deleteMark = false;
    setErrorText(QString());
}

// Every field from its column, the row's values in the order of fields().
template <class Row>
void DBBase::readRow(const Row& row)
{
    const DBFields& table = fields();
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i].load(this, row(int(i)));
}

void DBBase::readValues(const QSqlQuery& query)
{
    readRow([&](int column) { return query.value(column); });
}

void DBBase::readValues(const SqlStatement& row)
{
    readRow([&](int column) { return row.columnValue(column); });
}

// Copies the fields the two kinds share (all of them for the same kind) as
// their setters would; the ID is taken as it stands.
void DBBase::assign(const DBBase* source)
{
    assignFirst(source, fields().size());
}

void DBBase::assignFirst(const DBBase* source, std::size_t count)
{
    if (!source)
        return;
    m_id = source->m_id;
    const DBFields& mine = fields();
    const DBFields& theirs = source->fields();
    for (std::size_t i = 1; i < count && i < mine.size() && i < theirs.size() && mine[i].sameAs(theirs[i]); ++i)
        mine[i].copy(this, source);
}

DBBase* DBBase::create(QObject* parent) const
{
    return new DBBase(parent);
}

QString DBBase::tableName() const
{
    return QString();
}

QString DBBase::friendlyName() const
{
    return QString();
}

QString DBBase::displayName() const
{
    return QString();
}

QStringList DBBase::columns() const
{
    QStringList names;
    for (const DBField& field : fields())
        names.append(field.column());
    return names;
}

QString DBBase::columnsText() const
{
    return columns().join(QLatin1String(", "));
}

QString DBBase::bindNamesText() const
{
    const QStringList names = columns();
    if (names.isEmpty())
        return QString();
    return QLatin1Char(':') + names.join(QLatin1String(", :"));
}

bool DBBase::execBound(const QString& text, QVariant* lastInsertId, int* rowsAffected)
{
    QSqlQuery query(DBConnection::current());
    if (query.prepare(text)) {
        bindValues(query);
        if (query.exec()) {
            if (lastInsertId)
                *lastInsertId = query.lastInsertId();
            if (rowsAffected)
                *rowsAffected = query.numRowsAffected();
            return true;
        }
    }
    failed(text, query);
    return false;
}

void DBBase::failed(const QString& text, const QSqlQuery& query)
{
    m_errorText = LocaleSql::sqlQueryFailed(text, query.lastError().text());
    m_failureCause = DBConnection::failureCause(DBConnection::current(), query.lastError());
}

bool DBBase::insertRow()
{
    const QString text = insertText();
    if (text.isEmpty()) {
        setErrorText(LocaleSql::insertQueryEmpty());
        return false;
    }
    QVariant newId;
    if (!execBound(text, &newId))
        return false;
    m_id = newId.toLongLong();
    markClean();
    return true;
}

bool DBBase::updateRow()
{
    const QString text = updateText();
    if (text.isEmpty()) {
        setErrorText(LocaleSql::updateQueryEmpty());
        return false;
    }
    int rows = 0;
    if (!execBound(text, nullptr, &rows))
        return false;
    // No row changed: the row was deleted meanwhile (by another journal or a
    // job), and the edit would be lost without a word.
    if (rows < 1) {
        setErrorText(LocaleSql::sqlQueryFailed(text, LocaleSql::resultSetEmpty()));
        return false;
    }
    markClean();
    return true;
}

bool DBBase::deleteRow()
{
    const QString text = deleteText();
    if (text.isEmpty()) {
        setErrorText(LocaleSql::deleteQueryEmpty());
        return false;
    }
    QSqlQuery query(DBConnection::current());
    if (!query.exec(text)) {
        failed(text, query);
        return false;
    }
    // A stored record whose row is gone was deleted by someone else: this
    // delete did nothing. A record that never had a row (a negative id, such
    // as the columns of a default layout) has nothing to delete.
    if (m_id >= 0 && query.numRowsAffected() < 1) {
        setErrorText(LocaleSql::sqlQueryFailed(text, LocaleSql::resultSetEmpty()));
        return false;
    }
    m_id = -1;
    setState(StateNew);
    return true;
}

QString DBBase::selectText() const
{
    if (m_id == -1)
        return QStringLiteral("SELECT %1 FROM %2;").arg(columnsText(), tableName());
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3=%4;")
        .arg(columnsText(), tableName(), DBSql::colID(), QString::number(m_id));
}

QString DBBase::insertText() const
{
    // A new record's ID (NULL) is chosen past every ID that rows point at.
    const QString newId = DBReferences::newIdExpression(tableName());
    QString values = bindNamesText();
    if (!newId.isEmpty() && values.startsWith(DBSql::colID(true) + QLatin1Char(',')))
        values.replace(0, DBSql::colID(true).size(), QStringLiteral("coalesce(%1, %2)").arg(DBSql::colID(true), newId));
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3);").arg(tableName(), columnsText(), values);
}

QString DBBase::updateText() const
{
    const QStringList names = columns();
    QString text = QStringLiteral("UPDATE %1 SET ").arg(tableName());
    for (int i = 1; i < names.size(); ++i) {
        const QString& column = names.at(i);
        if (i + 1 < names.size())
            text += QString(column + QLatin1String(" = :") + column + QLatin1String(", "));
        else
            text += QString(column + QLatin1String(" = :") + column + QLatin1Char(' '));
    }
    text += QStringLiteral("WHERE %1 = :%1;").arg(DBSql::colID());
    return text;
}

QString DBBase::deleteText() const
{
    return QStringLiteral("DELETE FROM %1 WHERE %2=%3;").arg(tableName(), DBSql::colID(), QString::number(m_id));
}

QString DBBase::copyRowsText(const QString& condition, const QStringList& own) const
{
    QStringList columns;
    QStringList values;
    // The copies' IDs follow one another past every ID that rows point at.
    const QString newIds = DBReferences::newIdExpression(
        tableName(), QStringLiteral("row_number() OVER (ORDER BY %1)").arg(DBSql::colID()));
    if (!newIds.isEmpty()) {
        columns << DBSql::colID();
        values << newIds;
    }
    const DBFields& table = fields();
    for (std::size_t i = 1; i < table.size(); ++i) {
        const QString column = table[i].column();
        columns << column;
        values << (own.contains(column) ? table[i].column(true) : column);
    }
    return QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM %1 WHERE %4 ORDER BY %5;")
        .arg(tableName(), columns.join(QLatin1String(", ")), values.join(QLatin1String(", ")), condition,
             DBSql::colID());
}

bool DBBase::copyRows(const QString& condition, const QStringList& own)
{
    const QString text = copyRowsText(condition, own);
    QSqlQuery query(DBConnection::current());
    if (query.prepare(text)) {
        for (const DBField& field : fields()) {
            if (own.contains(field.column()))
                query.bindValue(field.column(true), field.stored(this));
        }
        if (query.exec())
            return true;
    }
    failed(text, query);
    return false;
}

void DBBase::change(QString& field, const QString& value, int limit)
{
    markModified();
    field = Convert::leftText(value, limit);
}

void DBBase::setField(int& member, int value)
{
    const DBField* field = fields().find(this, &member);
    Q_ASSERT(field);
    field->setInt(this, value);
}

void DBBase::setField(bool& member, bool value)
{
    const DBField* field = fields().find(this, &member);
    Q_ASSERT(field);
    field->setBool(this, value);
}

void DBBase::setField(QString& member, const QString& value)
{
    const DBField* field = fields().find(this, &member);
    Q_ASSERT(field);
    field->setText(this, value);
}

void DBBase::setField(DBRanged& member, int value)
{
    const DBField* field = fields().find(this, &member);
    Q_ASSERT(field);
    field->setInt(this, value);
}

int DBBase::inRange(const DBRanged& member) const
{
    const DBField* field = fields().find(this, &member);
    Q_ASSERT(field);
    return field->intInRange(this);
}

void DBBase::setState(int operation)
{
    switch (operation) {
    case StateNew:
        m_state = StateNew;
        break;
    case StateClean:
        if (m_state != StateDeleted)
            m_state = StateClean;
        break;
    case StateModified:
        if (m_state == StateClean)
            m_state = StateModified;
        break;
    case StateDeleted:
        m_state = StateDeleted;
        break;
    default:
        break;
    }
}

void DBBase::setName(const QString& name)
{
    markModified();
    m_name = Convert::leftText(name, nameLimit);
    if (m_name.isEmpty())
        m_name = emptyName();
}

QString DBBase::emptyName()
{
    return QStringLiteral("Object");
}

void DBBase::setDeleteMark(bool mark)
{
    m_deleteMark = mark;
}

QString DBBase::dateTimeFormat()
{
    return QStringLiteral("yyyy-MM-ddThh:mm:ss");
}

QString DBBase::dateFormat()
{
    return QStringLiteral("yyyy-MM-dd");
}

QVariant DBBase::boolValue(bool value)
{
    return QVariant(value ? 1 : 0);
}

QVariant DBBase::dateValue(const QDate& date)
{
    if (!date.isValid())
        return QVariant(QVariant::String);
    return QVariant(Convert::dateText(date, '-'));
}

QVariant DBBase::dateTimeValue(const QDateTime& dateTime)
{
    if (!dateTime.isValid())
        return QVariant(QVariant::String);
    return QVariant(Convert::dateTimeText(dateTime, '-', 'T', ':'));
}

// A picture met again (the default icon of every new bookmark and history
// row, above all) is encoded once per thread: the same bytes, without an
// image encoding per row.
QVariant DBBase::imageValue(const QImage& image)
{
    if (image.isNull())
        return QVariant(QVariant::ByteArray);
    static thread_local RecentConversions<QImage, QByteArray> encoded;
    return QVariant(encoded.get(image, &Convert::imageToBytes));
}

bool DBBase::readBool(const QVariant& value)
{
    return value.toLongLong() != 0;
}

namespace {

// The number that the `length` characters of `text` at `from` write in ASCII
// digits; -1 when one of them is no such digit.
int digitsAt(const QString& text, int from, int length)
{
    int value = 0;
    for (const QChar* c = text.constData() + from; length > 0; --length, ++c) {
        const uint digit = uint(c->unicode()) - '0';
        if (digit > 9)
            return -1;
        value = value * 10 + int(digit);
    }
    return value;
}

// Whether the text holds `separator` at each of the places.
bool separatorsAt(const QString& text, std::initializer_list<int> places, QLatin1Char separator)
{
    for (const int at : places) {
        if (text.at(at) != separator)
            return false;
    }
    return true;
}

} // namespace

// The stored forms are read straight from their digits: the locale's parsers
// give the same date and time, but cost an export more than the rest of a row.
QDate DBBase::readDate(const QVariant& value)
{
    if (value.isNull())
        return QDate();
    if (value.type() == QVariant::Date || value.type() == QVariant::DateTime)
        return value.toDate();
    const QString text = value.toString().trimmed();
    if (text.size() >= 10 && separatorsAt(text, {4, 7}, QLatin1Char('-'))) {
        const int year = digitsAt(text, 0, 4);
        const int month = digitsAt(text, 5, 2);
        const int day = digitsAt(text, 8, 2);
        if (year >= 0 && month >= 0 && day >= 0)
            return QDate(year, month, day);
    }
    return QDate::fromString(text.left(10), dateFormat());
}

// The stored form, "yyyy-MM-ddThh:mm:ss" in local time, or with a blank for
// the "T"; any other (milliseconds, a zone, 24:00) as Qt's ISO reader takes it.
QDateTime DBBase::readDateTime(const QVariant& value)
{
    if (value.isNull())
        return QDateTime();
    if (value.type() == QVariant::DateTime)
        return value.toDateTime();
    const QString text = value.toString();
    if (text.size() == 19 && separatorsAt(text, {4, 7}, QLatin1Char('-'))
        && (text.at(10) == QLatin1Char('T') || text.at(10) == QLatin1Char(' '))
        && separatorsAt(text, {13, 16}, QLatin1Char(':'))) {
        const int year = digitsAt(text, 0, 4);
        const int month = digitsAt(text, 5, 2);
        const int day = digitsAt(text, 8, 2);
        const int hour = digitsAt(text, 11, 2);
        const int minute = digitsAt(text, 14, 2);
        const int second = digitsAt(text, 17, 2);
        // (-1, no digits, would be a valid year before year 1.)
        if (year >= 0 && QDate::isValid(year, month, day) && QTime::isValid(hour, minute, second))
            return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::LocalTime);
    }
    const QString trimmed = text.trimmed();
    QDateTime dateTime = QDateTime::fromString(trimmed, Qt::ISODateWithMs);
    if (!dateTime.isValid()) {
        // Also accept a blank instead of the "T".
        QString alt = trimmed;
        if (alt.size() > 10 && alt.at(10) == QLatin1Char(' '))
            alt[10] = QLatin1Char('T');
        dateTime = QDateTime::fromString(alt, Qt::ISODateWithMs);
    }
    return dateTime;
}

QImage DBBase::readImage(const QVariant& value)
{
    const QByteArray bytes = value.toByteArray();
    if (bytes.isEmpty())
        return QImage();
    static thread_local RecentConversions<QByteArray, QImage> decoded;
    return decoded.get(bytes, &Convert::bytesToImage);
}

} // namespace Vexal
