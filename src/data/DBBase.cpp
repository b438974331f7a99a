#include "data/DBBase.h"

#include "core/Convert.h"
#include "data/DBConnection.h"
#include "data/DBField.h"
#include "data/RecentConversions.h"
#include "core/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlError>
#include <QSqlQuery>

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

// A new record's ID is NULL: the table gives it the next one.
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

void DBBase::readValues(const QSqlQuery& query)
{
    const DBFields& table = fields();
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i].load(this, query.value(int(i)));
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
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3);").arg(tableName(), columnsText(), bindNamesText());
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
    return QVariant(date.toString(dateFormat()));
}

QVariant DBBase::dateTimeValue(const QDateTime& dateTime)
{
    if (!dateTime.isValid())
        return QVariant(QVariant::String);
    return QVariant(dateTime.toString(dateTimeFormat()));
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

QDate DBBase::readDate(const QVariant& value)
{
    if (value.isNull())
        return QDate();
    if (value.type() == QVariant::Date || value.type() == QVariant::DateTime)
        return value.toDate();
    const QString text = value.toString().trimmed();
    // The stored form read straight from its digits: the locale's date parser
    // gives the same date, but looks the time zone up several times a call,
    // which an export of many rows pays on every row.
    if (text.size() >= 10 && text.at(4) == QLatin1Char('-') && text.at(7) == QLatin1Char('-')) {
        int parts[3] = {0, 0, 0};
        const int starts[3] = {0, 5, 8};
        const int lengths[3] = {4, 2, 2};
        bool digits = true;
        for (int p = 0; p < 3 && digits; ++p) {
            for (int i = starts[p]; i < starts[p] + lengths[p] && digits; ++i) {
                const ushort c = text.at(i).unicode();
                digits = c >= '0' && c <= '9';
                parts[p] = parts[p] * 10 + (c - '0');
            }
        }
        if (digits)
            return QDate(parts[0], parts[1], parts[2]);
    }
    return QDate::fromString(text.left(10), dateFormat());
}

QDateTime DBBase::readDateTime(const QVariant& value)
{
    if (value.isNull())
        return QDateTime();
    if (value.type() == QVariant::DateTime)
        return value.toDateTime();
    const QString text = value.toString().trimmed();
    QDateTime dateTime = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!dateTime.isValid()) {
        // Also accept a blank instead of the "T".
        QString alt = text;
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
