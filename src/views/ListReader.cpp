#include "views/ListReader.h"

#include "core/DBSql.h"
#include "core/RecordChanges.h"
#include "data/DBConnection.h"

#include <QSqlDriver>
#include <QSqlQuery>

#include <algorithm>
#include <cstring>

namespace Vexal {

namespace {

// IDs or ranges of IDs one statement reads.
constexpr int idTermsPerStatement = 256;

// SQLite's classes of values in its order: NULL, numbers, texts, blobs.
int storageClass(const QVariant& value)
{
    if (value.isNull())
        return 0;
    switch (value.userType()) {
    case QMetaType::QString:
        return 2;
    case QMetaType::QByteArray:
        return 3;
    default:
        return 1;
    }
}

bool isWhole(const QVariant& value)
{
    switch (value.userType()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

int compareBytes(const QByteArray& a, const QByteArray& b)
{
    const int shared = std::min(a.size(), b.size());
    const int bytes = shared > 0 ? std::memcmp(a.constData(), b.constData(), size_t(shared)) : 0;
    if (bytes != 0)
        return bytes;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

template <class T>
int compareNumbers(T a, T b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

ListReader::ListReader(QSqlDatabase db)
    : m_db(std::move(db))
{
}

void ListReader::setSource(const QString& source)
{
    m_source = source;
    m_fields = source.isEmpty() ? QSqlRecord() : m_db.record(source);
    m_sourceError = QSqlError();
    // The driver keeps no error of its own read of the columns: none may
    // mean that the database could not be read (no room for its side files,
    // another program's lock), which is asked again to be named.
    if (!source.isEmpty() && m_fields.isEmpty()) {
        QSqlQuery columns(m_db);
        if (!columns.exec(QStringLiteral("PRAGMA table_info(%1);")
                              .arg(m_db.driver()->escapeIdentifier(source, QSqlDriver::TableName))))
            m_sourceError = columns.lastError();
    }
    m_idColumn = m_fields.indexOf(DBSql::colID());
    m_keyColumn = -1;
    m_descending = false;
}

void ListReader::setOrder(int keyColumn, bool descending)
{
    m_keyColumn = keyColumn >= 0 && keyColumn < m_fields.count() && keyColumn != m_idColumn ? keyColumn : -1;
    m_descending = descending;
}

int ListReader::compareValues(const QVariant& a, const QVariant& b)
{
    const int kindA = storageClass(a);
    const int kindB = storageClass(b);
    if (kindA != kindB)
        return kindA < kindB ? -1 : 1;
    switch (kindA) {
    case 0:
        return 0;
    case 1:
        if (isWhole(a) && isWhole(b))
            return compareNumbers(a.toLongLong(), b.toLongLong());
        return compareNumbers(isWhole(a) ? static_cast<long double>(a.toLongLong()) : a.toDouble(),
                              isWhole(b) ? static_cast<long double>(b.toLongLong()) : b.toDouble());
    case 2:
        return compareBytes(a.toString().toUtf8(), b.toString().toUtf8());
    default:
        return compareBytes(a.toByteArray(), b.toByteArray());
    }
}

int ListReader::compare(const ListPlace& a, const ListPlace& b) const
{
    int order = m_keyColumn >= 0 ? compareValues(a.key, b.key) : 0;
    if (order == 0)
        order = compareNumbers(a.id, b.id);
    return m_descending ? -order : order;
}

bool ListReader::readChunk(const ListPlace* after, int offset, int limit, ListRows* rows)
{
    QStringList conditions;
    QVariantList binds;
    if (after && m_idColumn >= 0)
        conditions << sideText(Side::After, *after, binds);
    return readRows(conditions, binds, limit, m_idColumn >= 0 ? 0 : offset, true, rows);
}

bool ListReader::readRange(const ListPlace* from, const ListPlace* to, int limit, ListRows* rows)
{
    QStringList conditions;
    QVariantList binds;
    if (from)
        conditions << sideText(Side::AtOrAfter, *from, binds);
    if (to)
        conditions << sideText(Side::AtOrBefore, *to, binds);
    return readRows(conditions, binds, limit, 0, true, rows);
}

bool ListReader::readOnTo(const ListPlace& after, const ListPlace& to, int limit, ListRows* rows)
{
    QVariantList binds;
    const QStringList conditions{sideText(Side::After, after, binds), sideText(Side::AtOrBefore, to, binds)};
    return readRows(conditions, binds, limit, 0, true, rows);
}

bool ListReader::readIds(const RowIdSet& ids, ListRows* rows)
{
    const QString idColumn = columnText(m_idColumn);
    const QVector<RowIdSet::Range>& ranges = ids.ranges();
    for (int start = 0; start < ranges.size(); start += idTermsPerStatement) {
        QStringList singles;
        QStringList terms;
        for (int i = start; i < std::min(int(ranges.size()), start + idTermsPerStatement); ++i) {
            const RowIdSet::Range& range = ranges.at(i);
            if (range.first == range.second)
                singles << QString::number(range.first);
            else
                terms << QStringLiteral("%1 BETWEEN %2 AND %3").arg(idColumn).arg(range.first).arg(range.second);
        }
        if (!singles.isEmpty())
            terms << QStringLiteral("%1 IN (%2)").arg(idColumn, singles.join(QLatin1Char(',')));
        if (!readRows({QLatin1Char('(') + terms.join(QStringLiteral(" OR ")) + QLatin1Char(')')}, {}, -1, 0, false,
                      rows))
            return false;
    }
    return true;
}

QString ListReader::failureCause() const
{
    return DBConnection::failureCause(m_db, m_error);
}

QString ListReader::columnText(int column) const
{
    return m_db.driver()->escapeIdentifier(m_fields.fieldName(column), QSqlDriver::FieldName);
}

QString ListReader::orderText() const
{
    const QString direction = m_descending ? QStringLiteral(" DESC") : QStringLiteral(" ASC");
    QStringList keys;
    if (m_keyColumn >= 0)
        keys << columnText(m_keyColumn) + direction;
    if (m_idColumn >= 0)
        keys << columnText(m_idColumn) + direction;
    return keys.isEmpty() ? QString() : QStringLiteral(" ORDER BY ") + keys.join(QStringLiteral(", "));
}

QString ListReader::sideText(Side side, const ListPlace& place, QVariantList& binds) const
{
    // In ascending terms: the list's order, or its reverse when descending.
    enum { Greater, GreaterEqual, Less, LessEqual } test;
    switch (side) {
    case Side::After:
        test = m_descending ? Less : Greater;
        break;
    case Side::AtOrAfter:
        test = m_descending ? LessEqual : GreaterEqual;
        break;
    case Side::AtOrBefore:
    default:
        test = m_descending ? GreaterEqual : LessEqual;
        break;
    }
    static const char* const operators[] = {">", ">=", "<", "<="};
    const QString op = QLatin1String(operators[test]);
    const QString idColumn = columnText(m_idColumn);
    if (m_keyColumn < 0) {
        binds << place.id;
        return QStringLiteral("%1 %2 ?").arg(idColumn, op);
    }
    // NULL stands before every value, as SQLite orders it.
    const QString keyColumn = columnText(m_keyColumn);
    const bool greater = test == Greater || test == GreaterEqual;
    if (place.key.isNull()) {
        binds << place.id;
        return greater ? QStringLiteral("(%1 IS NOT NULL OR %2 %3 ?)").arg(keyColumn, idColumn, op)
                       : QStringLiteral("(%1 IS NULL AND %2 %3 ?)").arg(keyColumn, idColumn, op);
    }
    binds << place.key << place.key << place.id;
    const QString strict = greater ? QStringLiteral(">") : QStringLiteral("<");
    const QString text = QStringLiteral("(%1 %2 ? OR (%1 = ? AND %3 %4 ?))").arg(keyColumn, strict, idColumn, op);
    return greater ? text : QStringLiteral("(%1 IS NULL OR %2)").arg(keyColumn, text);
}

bool ListReader::readRows(const QStringList& conditions, const QVariantList& binds, int limit, int offset,
                          bool ordered, ListRows* rows)
{
    QStringList columns;
    for (int column = 0; column < m_fields.count(); ++column)
        columns << columnText(column);
    QStringList where = conditions;
    if (!m_filter.trimmed().isEmpty())
        where.prepend(QLatin1Char('(') + m_filter + QLatin1Char(')'));
    QString text = QStringLiteral("SELECT %1 FROM %2")
                       .arg(columns.join(QStringLiteral(", ")),
                            m_db.driver()->escapeIdentifier(m_source, QSqlDriver::TableName));
    if (!where.isEmpty())
        text += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    if (ordered)
        text += orderText();
    if (limit >= 0)
        text += QStringLiteral(" LIMIT %1").arg(limit);
    if (offset > 0)
        text += QStringLiteral(" OFFSET %1").arg(offset);
    m_statement = text;

    ++m_reads.statements;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    bool ok = !columns.isEmpty() && query.prepare(text);
    if (ok) {
        for (const QVariant& bind : binds)
            query.addBindValue(bind);
        ok = query.exec();
    }
    while (ok && query.next()) {
        ListRow row;
        row.values.reserve(columns.size());
        for (int column = 0; column < columns.size(); ++column)
            row.values << query.value(column);
        row.id = m_idColumn >= 0 ? row.values.at(m_idColumn).toLongLong() : 0;
        rows->push_back(std::move(row));
        ++m_reads.rows;
    }
    // Every row was read: the statement has ended and holds nothing.
    if (!columns.isEmpty())
        m_error = query.lastError();
    else if (m_sourceError.isValid())
        m_error = m_sourceError;
    else
        m_error = QSqlError(QStringLiteral("no such table: %1").arg(m_source), QString(), QSqlError::StatementError);
    return ok && !m_error.isValid();
}

} // namespace Vexal
