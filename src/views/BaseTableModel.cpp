#include "views/BaseTableModel.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "core/Logger.h"
#include "core/RecordChanges.h"
#include "data/DBBase.h"
#include "data/DBConnection.h"
#include "data/DBRecordNews.h"
#include "texts/LocaleMessage.h"
#include "views/UtilReport.h"

#include <QIcon>
#include <QScopedValueRollback>
#include <QSet>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <optional>

namespace Vexal {

namespace {

const QString displayDate = QStringLiteral("yyyy-MM-dd");
const QString displayDateTime = QStringLiteral("yyyy-MM-dd hh:mm:ss");

// Rows a fetch reads in the order of ID, the fastest.
constexpr int chunkRows = 256;
// Ordered by another column each fetch reads as many rows as it holds, up to
// this: such a read may pass over the whole table to find its rows.
constexpr int largestChunk = 16384;
// IDs or ranges of IDs one statement reads again.
constexpr int idTermsPerStatement = 256;
// More changed IDs than this and the rows on screen are read instead.
constexpr qint64 mostIdsReadAgain = 2048;
// Rows inserted, moved, or runs of rows removed one at a time, at most: each
// costs the views as much as the rows they show. Past it the rows on screen
// are read instead.
constexpr int mostPlacesChanged = 64;
// Rows read beyond the range asked, for rows stored among them.
constexpr int rangeMargin = 64;

// SQLite's order of values: NULL, numbers, texts by their UTF-8 bytes, blobs.
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

int compareValues(const QVariant& a, const QVariant& b)
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

} // namespace

BaseTableModel::BaseTableModel(QObject* parent)
    : QSqlTableModel(parent, DBConnection::current())
{
}

BaseTableModel::~BaseTableModel() = default;

void BaseTableModel::setTable(const QString& tableName)
{
    QSqlTableModel::setTable(tableName);
    m_listedTables = tableName.isEmpty() ? QStringList() : DBRecordNews::tablesListedBy(tableName);
    m_idTable = tableName.isEmpty() ? QString() : DBRecordNews::idTableOf(tableName);
}

void BaseTableModel::setSort(int column, Qt::SortOrder order)
{
    m_sortColumn = column;
    m_sortOrder = order;
    QSqlTableModel::setSort(column, order);
}

void BaseTableModel::dropRows()
{
    m_rows.clear();
    m_keyOf.clear();
    m_hasCursor = false;
    m_atEnd = true;
    m_listing = false;
    ++m_generation;
}

void BaseTableModel::clear()
{
    beginResetModel();
    dropRows();
    m_sortColumn = -1;
    m_sortOrder = Qt::AscendingOrder;
    QSqlTableModel::clear();
    endResetModel();
}

bool BaseTableModel::select()
{
    beginResetModel();
    dropRows();
    m_idColumn = fieldIndex(DBSql::colID());
    const bool byKey = m_sortColumn >= 0 && m_sortColumn < columnCount() && m_sortColumn != m_idColumn;
    m_keyColumn = byKey ? m_sortColumn : -1;
    m_descending = m_sortColumn >= 0 && m_sortOrder == Qt::DescendingOrder;
    Rows rows;
    m_listing = readRows({}, {}, chunkRows, 0, true, &rows);
    m_atEnd = !m_listing || int(rows.size()) < chunkRows;
    if (!rows.empty())
        setCursor(rows.back());
    m_rows = std::move(rows);
    for (const Row& row : m_rows)
        keepKey(row);
    endResetModel();
    return m_listing;
}

void BaseTableModel::sort(int column, Qt::SortOrder order)
{
    setSort(column, order);
    if (!select())
        reportSelectError();
}

bool BaseTableModel::selectWhere(const QString& where)
{
    setFilter(where);
    return select();
}

void BaseTableModel::reportSelectError() const
{
    UtilReport::error(LocaleMessage::sqlQueryFailed(statementText(), lastError().text()));
}

// ---- rows ----

int BaseTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

bool BaseTableModel::canFetchMore(const QModelIndex& parent) const
{
    // A view that scrolls while told of a change waits for its end.
    return !parent.isValid() && m_listing && !m_atEnd && !m_changing;
}

void BaseTableModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent))
        return;
    const QScopedValueRollback<bool> changing(m_changing, true);
    readNextChunk();
}

void BaseTableModel::readNextChunk()
{
    QStringList conditions;
    QVariantList binds;
    if (m_hasCursor && m_idColumn >= 0)
        conditions << sideText(Side::After, m_cursorKey, m_cursorId, binds);
    const int limit = chunkSize();
    Rows rows;
    if (!readRows(conditions, binds, limit, m_idColumn >= 0 ? 0 : rowCount(), true, &rows)) {
        // The rows held stay; news of the next commit look again. A job's
        // commit that holds the file a moment is no error to show.
        m_atEnd = true;
        if (DBConnection::isBusy(lastError()))
            Logger::warning(lastError().text());
        else
            reportSelectError();
        return;
    }
    m_atEnd = int(rows.size()) < limit;
    if (m_keyColumn >= 0) {
        // A row held with a sort value since changed (not yet read again)
        // may come again from after the last one held: this reading counts.
        QVector<int> stale;
        for (const Row& row : rows) {
            const int at = rowOfId(row.id);
            if (at >= 0)
                stale << at;
        }
        removeRowsAt(stale);
    }
    appendRows(std::move(rows));
}

int BaseTableModel::chunkSize() const
{
    return m_keyColumn < 0 ? chunkRows : std::max(chunkRows, std::min(largestChunk, rowCount()));
}

QVariant BaseTableModel::value(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0)
        return QVariant();
    const QVector<QVariant>& values = m_rows[size_t(row)].values;
    return column < values.size() ? values.at(column) : QVariant();
}

QSqlRecord BaseTableModel::record(int row) const
{
    QSqlRecord values = QSqlTableModel::record();
    if (row < 0 || row >= rowCount())
        return values;
    for (int column = 0; column < values.count(); ++column)
        values.setValue(column, value(row, column));
    return values;
}

QVariant BaseTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.model() != this)
        return QVariant();
    const int row = index.row();
    const int column = index.column();
    const bool shown = role == Qt::DisplayRole || role == Qt::EditRole;
    const quint8 kind = column < m_kinds.size() ? m_kinds.at(column) : 0;
    if (kind == 0)
        return shown ? value(row, column) : QVariant();

    switch (role) {
    case Qt::DecorationRole:
        if (isIconColumn(column) && column > 0)
            return QIcon(Convert::bytesToPixmap(value(row, column - 1).toByteArray()));
        break;
    case Qt::CheckStateRole:
        if (isBoolColumn(column))
            return value(row, column).toInt() != 0 ? Qt::Checked : Qt::Unchecked;
        break;
    case Qt::DisplayRole:
        if (isBoolColumn(column))
            return QVariant();
        if (isDateColumn(column)) {
            const QDate date = DBBase::readDate(value(row, column));
            return date.isValid() ? date.toString(displayDate) : QString();
        }
        if (isDateTimeColumn(column)) {
            const QDateTime dateTime = DBBase::readDateTime(value(row, column));
            return dateTime.isValid() ? dateTime.toString(displayDateTime) : QString();
        }
        break;
    default:
        break;
    }
    return shown ? value(row, column) : QVariant();
}

Qt::ItemFlags BaseTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags result = QSqlTableModel::flags(index);
    if (index.isValid() && isBoolColumn(index.column()))
        result |= Qt::ItemIsUserCheckable;
    return result;
}

void BaseTableModel::addBoolColumn(int column) { addKind(column, Bool); }
void BaseTableModel::addIconColumn(int column) { addKind(column, Icon); }
void BaseTableModel::addDateColumn(int column) { addKind(column, Date); }
void BaseTableModel::addDateTimeColumn(int column) { addKind(column, DateTime); }

void BaseTableModel::addKind(int column, Kind kind)
{
    if (column < 0)
        return;
    if (column >= m_kinds.size())
        m_kinds.resize(column + 1);
    m_kinds[column] |= kind;
}

// ---- statements ----

QString BaseTableModel::columnText(int column) const
{
    return database().driver()->escapeIdentifier(QSqlTableModel::record().fieldName(column),
                                                 QSqlDriver::FieldName);
}

QString BaseTableModel::orderText() const
{
    const QString direction = m_descending ? QStringLiteral(" DESC") : QStringLiteral(" ASC");
    QStringList keys;
    if (m_keyColumn >= 0)
        keys << columnText(m_keyColumn) + direction;
    if (m_idColumn >= 0)
        keys << columnText(m_idColumn) + direction;
    return keys.isEmpty() ? QString() : QStringLiteral(" ORDER BY ") + keys.join(QStringLiteral(", "));
}

QString BaseTableModel::sideText(Side side, const QVariant& key, qint64 id, QVariantList& binds) const
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
        binds << id;
        return QStringLiteral("%1 %2 ?").arg(idColumn, op);
    }
    // NULL stands before every value, as SQLite orders it.
    const QString keyColumn = columnText(m_keyColumn);
    const bool greater = test == Greater || test == GreaterEqual;
    if (key.isNull()) {
        binds << id;
        return greater ? QStringLiteral("(%1 IS NOT NULL OR %2 %3 ?)").arg(keyColumn, idColumn, op)
                       : QStringLiteral("(%1 IS NULL AND %2 %3 ?)").arg(keyColumn, idColumn, op);
    }
    binds << key << key << id;
    const QString strict = greater ? QStringLiteral(">") : QStringLiteral("<");
    const QString text = QStringLiteral("(%1 %2 ? OR (%1 = ? AND %3 %4 ?))").arg(keyColumn, strict, idColumn, op);
    return greater ? text : QStringLiteral("(%1 IS NULL OR %2)").arg(keyColumn, text);
}

bool BaseTableModel::readRows(const QStringList& conditions, const QVariantList& binds, int limit, int offset,
                              bool ordered, Rows* rows)
{
    const QSqlRecord fields = QSqlTableModel::record();
    QStringList columns;
    for (int column = 0; column < fields.count(); ++column)
        columns << columnText(column);
    QStringList where = conditions;
    if (!filter().trimmed().isEmpty())
        where.prepend(QLatin1Char('(') + filter() + QLatin1Char(')'));
    QString text = QStringLiteral("SELECT %1 FROM %2")
                       .arg(columns.join(QStringLiteral(", ")),
                            database().driver()->escapeIdentifier(tableName(), QSqlDriver::TableName));
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
    QSqlQuery query(database());
    query.setForwardOnly(true);
    bool ok = !columns.isEmpty() && query.prepare(text);
    if (ok) {
        for (const QVariant& bind : binds)
            query.addBindValue(bind);
        ok = query.exec();
    }
    while (ok && query.next()) {
        Row row;
        row.seen = m_generation;
        row.values.reserve(columns.size());
        for (int column = 0; column < columns.size(); ++column)
            row.values << query.value(column);
        row.id = m_idColumn >= 0 ? row.values.at(m_idColumn).toLongLong() : 0;
        rows->push_back(std::move(row));
        ++m_reads.rows;
    }
    // Every row was read: the statement has ended and holds nothing.
    const QSqlError error = columns.isEmpty() ? QSqlError(QStringLiteral("no such table: %1").arg(tableName()),
                                                          QString(), QSqlError::StatementError)
                                              : query.lastError();
    setLastError(error);
    return ok && !error.isValid();
}

// ---- order ----

int BaseTableModel::compare(const QVariant& keyA, qint64 idA, const QVariant& keyB, qint64 idB) const
{
    int order = m_keyColumn >= 0 ? compareValues(keyA, keyB) : 0;
    if (order == 0)
        order = compareNumbers(idA, idB);
    return m_descending ? -order : order;
}

int BaseTableModel::placeOf(const Row& row, int skip) const
{
    // The rows held without `skip`, searched for the first that stands after.
    int low = 0;
    int high = rowCount() - (skip >= 0 ? 1 : 0);
    while (low < high) {
        const int middle = low + (high - low) / 2;
        const int at = skip >= 0 && middle >= skip ? middle + 1 : middle;
        if (compare(m_rows[size_t(at)], row) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

int BaseTableModel::rowOfId(qint64 id) const
{
    Row wanted;
    wanted.id = id;
    if (m_keyColumn >= 0) {
        const auto key = m_keyOf.constFind(id);
        if (key == m_keyOf.constEnd())
            return -1;
        wanted.values.resize(m_keyColumn + 1);
        wanted.values[m_keyColumn] = key.value();
    }
    // Held in the list's order, by the values they were read with.
    const auto at = std::lower_bound(m_rows.begin(), m_rows.end(), wanted,
                                     [this](const Row& a, const Row& b) { return compare(a, b) < 0; });
    if (at != m_rows.end() && at->id == id)
        return int(at - m_rows.begin());
    // Values SQLite orders otherwise than compare does: look at every row.
    for (size_t row = 0; m_keyColumn >= 0 && row < m_rows.size(); ++row) {
        if (m_rows[row].id == id)
            return int(row);
    }
    return -1;
}

// ---- changes of the rows held ----

void BaseTableModel::setCursor(const Row& row)
{
    m_cursorKey = keyOf(row);
    m_cursorId = row.id;
    m_hasCursor = true;
}

void BaseTableModel::keepKey(const Row& row)
{
    if (m_keyColumn >= 0)
        m_keyOf.insert(row.id, keyOf(row));
}

void BaseTableModel::appendRows(Rows rows)
{
    if (rows.empty())
        return;
    const int first = rowCount();
    beginInsertRows(QModelIndex(), first, first + int(rows.size()) - 1);
    setCursor(rows.back());
    for (Row& row : rows) {
        keepKey(row);
        m_rows.push_back(std::move(row));
    }
    endInsertRows();
}

void BaseTableModel::insertRowAt(int at, Row row)
{
    Rows rows;
    rows.push_back(std::move(row));
    insertRowsAt(at, std::move(rows));
}

void BaseTableModel::insertRowsAt(int at, Rows rows)
{
    if (rows.empty())
        return;
    beginInsertRows(QModelIndex(), at, at + int(rows.size()) - 1);
    for (const Row& row : rows)
        keepKey(row);
    m_rows.insert(m_rows.begin() + at, std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    endInsertRows();
}

void BaseTableModel::removeRowRange(int first, int last)
{
    // The views drop the selection of the rows as they are told.
    const QScopedValueRollback<bool> removing(m_removingRows, true);
    beginRemoveRows(QModelIndex(), first, last);
    if (m_keyColumn >= 0) {
        for (int row = first; row <= last; ++row)
            m_keyOf.remove(m_rows[size_t(row)].id);
    }
    m_rows.erase(m_rows.begin() + first, m_rows.begin() + last + 1);
    endRemoveRows();
}

void BaseTableModel::removeRowsAt(QVector<int> rows)
{
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int i = 0; i < rows.size();) {
        int j = i + 1;
        while (j < rows.size() && rows.at(j) == rows.at(j - 1) - 1)
            ++j;
        removeRowRange(rows.at(j - 1), rows.at(i));
        i = j;
    }
}

void BaseTableModel::moveRow(int from, int to)
{
    if (from == to)
        return;
    // Qt counts the destination before the row leaves its place.
    beginMoveRows(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to);
    Row row = std::move(m_rows[size_t(from)]);
    m_rows.erase(m_rows.begin() + from);
    m_rows.insert(m_rows.begin() + to, std::move(row));
    endMoveRows();
}

bool BaseTableModel::setValues(int at, Row row)
{
    Row& held = m_rows[size_t(at)];
    held.seen = m_generation;
    if (held.values == row.values)
        return false;
    held.values = std::move(row.values);
    keepKey(held);
    return true;
}

int BaseTableModel::replaceRow(int at, Row row)
{
    if (!setValues(at, std::move(row)))
        return at;
    // A new sort value may place it elsewhere.
    const int place = placeOf(m_rows[size_t(at)], at);
    moveRow(at, place);
    emit dataChanged(index(place, 0), index(place, columnCount() - 1));
    return place;
}

// ---- following what is stored ----

bool BaseTableModel::applyChanges(const RecordChanges& all, int first, int last)
{
    if (!m_listing)
        return false;
    const QScopedValueRollback<bool> changing(m_changing, true);
    const RecordChanges changes = all.of(m_listedTables);
    if (changes.isEmpty())
        return false;
    const RowIdSet* ids = m_idTable.isEmpty() ? nullptr : changes.rowsOf(m_idTable);
    const bool onlyIds = ids && changes.tables().size() == 1 && m_idColumn >= 0;
    if (onlyIds && m_hasCursor) {
        RowIdSet wanted = *ids;
        if (m_keyColumn < 0) {
            // In the order of ID, the IDs after the last row held are rows
            // the next fetch reads.
            wanted = m_descending ? wanted.within(m_cursorId, std::numeric_limits<qint64>::max())
                                  : wanted.within(std::numeric_limits<qint64>::min(), m_cursorId);
            if (wanted.count() < ids->count())
                m_atEnd = false;
        }
        if (wanted.count() <= mostIdsReadAgain && rereadIds(wanted))
            return true;
    } else if (onlyIds) {
        // Nothing held: the next fetch reads from the start.
        m_atEnd = false;
        return false;
    }
    forgetRead();
    return rereadRange(first, last);
}

void BaseTableModel::forgetRead()
{
    ++m_generation;
    // Rows may have come after the last one held too.
    m_atEnd = false;
}

bool BaseTableModel::isCurrent(int first, int last) const
{
    first = std::max(first, 0);
    last = std::min(last, rowCount() - 1);
    for (int row = first; row <= last; ++row) {
        if (m_rows[size_t(row)].seen != m_generation)
            return false;
    }
    return true;
}

bool BaseTableModel::readIds(const RowIdSet& ids, Rows* rows)
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
                      rows)) {
            Logger::warning(lastError().text());
            return false;
        }
    }
    return true;
}

// False when too many rows change places: the caller reads the rows on
// screen instead.
bool BaseTableModel::rereadIds(const RowIdSet& ids)
{
    if (ids.isEmpty())
        return true;
    // The rows held among the IDs: by the IDs when they are fewer.
    QSet<qint64> held;
    if (ids.count() <= qint64(rowCount())) {
        for (const RowIdSet::Range& range : ids.ranges()) {
            for (qint64 id = range.first; id <= range.second; ++id) {
                if (m_keyColumn >= 0 ? m_keyOf.contains(id) : rowOfId(id) >= 0)
                    held.insert(id);
            }
        }
    } else {
        for (const Row& row : m_rows) {
            if (ids.contains(row.id))
                held.insert(row.id);
        }
    }

    Rows fresh;
    if (!readIds(ids, &fresh))
        return false;

    // What the rows read do, counted in places of the list before any
    // changes: too many and the caller reads the rows on screen instead.
    // Rows held past the last one held now are read on to (readOnTo); new
    // ones there come with a later fetch.
    Rows changed;
    Rows added;
    std::optional<Row> furthest;
    QVector<qint64> pastHeld;
    int placesChanged = 0;
    for (Row& row : fresh) {
        const bool isHeld = held.remove(row.id);
        if (isPastHeld(row)) {
            m_atEnd = false;
            if (isHeld) {
                pastHeld << row.id;
                if (!furthest || compare(row, *furthest) > 0)
                    furthest = row;
            }
        } else if (isHeld) {
            if (m_keyColumn >= 0 && compareValues(m_keyOf.value(row.id), keyOf(row)) != 0)
                ++placesChanged;
            changed.push_back(std::move(row));
        } else {
            added.push_back(std::move(row));
        }
    }
    // The held rows not read are gone.
    QVector<int> going;
    for (qint64 id : qAsConst(held))
        going << rowOfId(id);
    going.removeAll(-1);
    std::sort(going.begin(), going.end());
    for (int i = 0; i < going.size(); ++i) {
        if (i == 0 || going.at(i) != going.at(i - 1) + 1)
            ++placesChanged;
    }
    // New rows that stand together go in together.
    std::sort(added.begin(), added.end(), [this](const Row& a, const Row& b) { return compare(a, b) < 0; });
    for (size_t i = 0; i < added.size(); ++i) {
        if (i == 0 || placeOf(added[i], -1) != placeOf(added[i - 1], -1))
            ++placesChanged;
    }
    if (furthest)
        ++placesChanged;
    if (placesChanged > mostPlacesChanged)
        return false;

    removeRowsAt(going);
    for (Row& row : changed) {
        const int at = rowOfId(row.id);
        if (at >= 0)
            replaceRow(at, std::move(row));
    }
    for (size_t i = 0; i < added.size();) {
        const int place = placeOf(added[i], -1);
        size_t end = i + 1;
        while (end < added.size() && (place == rowCount() || compare(added[end], m_rows[size_t(place)]) < 0))
            ++end;
        insertRowsAt(place, Rows(std::make_move_iterator(added.begin() + i), std::make_move_iterator(added.begin() + end)));
        i = end;
    }
    if (furthest && !readOnTo(*furthest, pastHeld)) {
        // Too far past the rows held: a later fetch brings them.
        QVector<int> past;
        for (qint64 id : qAsConst(pastHeld))
            past << rowOfId(id);
        past.removeAll(-1);
        removeRowsAt(past);
    }
    return true;
}

bool BaseTableModel::rereadRange(int first, int last)
{
    if (!m_listing)
        return false;
    const QScopedValueRollback<bool> changing(m_changing, true);
    if (m_rows.empty() || m_idColumn < 0) {
        if (m_idColumn < 0) {
            // Without IDs the place cannot be found again: select anew.
            return select();
        }
        // Nothing held: read from the start.
        m_hasCursor = false;
        if (!m_atEnd)
            readNextChunk();
        return true;
    }
    // With a row more on each side: rows stored between the range and a
    // neighbour read at another time come too.
    first = std::max(0, std::min(first, rowCount() - 1) - 1);
    last = std::max(first, std::min(last + 1, rowCount() - 1));
    // A range that reaches the last row held reads on past it: rows stored
    // after it come too.
    const bool toEnd = last == rowCount() - 1;
    QStringList conditions;
    QVariantList binds;
    if (first > 0)
        conditions << sideText(Side::AtOrAfter, keyOf(m_rows[size_t(first)]), m_rows[size_t(first)].id, binds);
    if (!toEnd)
        conditions << sideText(Side::AtOrBefore, keyOf(m_rows[size_t(last)]), m_rows[size_t(last)].id, binds);
    int limit = last - first + 1 + rangeMargin;
    Rows fresh;
    bool read = readRows(conditions, binds, limit, 0, true, &fresh);
    if (read && int(fresh.size()) == limit && !toEnd && limit < largestChunk) {
        // Many rows came into the range: the rows held after it (and what
        // the user selected there) stay only when every row of it is read.
        fresh.clear();
        limit = largestChunk;
        read = readRows(conditions, binds, limit, 0, true, &fresh);
    }
    if (!read) {
        Logger::warning(lastError().text());
        return false;
    }
    const bool cut = int(fresh.size()) == limit;
    const Row lastRead = cut ? fresh.back() : Row();
    Row furthest;
    const QVector<qint64> waiting = cut ? QVector<qint64>() : moveLeavers(first, last, fresh, &furthest);
    mergeRows(first, last, std::move(fresh));
    if (!waiting.isEmpty() && !readOnTo(furthest, waiting)) {
        // Too far past the last row held: a later fetch brings them.
        removeRowRange(rowCount() - waiting.size(), rowCount() - 1);
        m_atEnd = false;
    }
    if (cut) {
        // More rows than read stand in the range now: the rows held end with
        // the last one read, and the next fetch goes on from there.
        const int keep = rowOfId(lastRead.id) + 1;
        if (keep > 0 && keep < rowCount())
            removeRowRange(keep, rowCount() - 1);
        setCursor(lastRead);
        m_atEnd = false;
    } else if (toEnd) {
        // Every row from `first` on was read.
        m_atEnd = true;
        m_hasCursor = false;
        if (!m_rows.empty())
            setCursor(m_rows.back());
    }
    return true;
}

QVector<qint64> BaseTableModel::moveLeavers(int& first, int& last, const Rows& fresh, Row* furthest)
{
    QSet<qint64> read;
    for (const Row& row : fresh)
        read.insert(row.id);
    RowIdSet leaving;
    for (int row = first; row <= last; ++row) {
        if (!read.contains(m_rows[size_t(row)].id))
            leaving.add(m_rows[size_t(row)].id);
    }
    if (leaving.isEmpty() || leaving.count() > mostPlacesChanged)
        return {};
    Rows moved;
    if (!readIds(leaving, &moved))
        return {};
    // The range as read: a row that left stands before or after it.
    const Row low = m_rows[size_t(first)];
    const Row high = m_rows[size_t(last)];
    QVector<qint64> pastHeld;
    for (Row& row : moved) {
        const int at = rowOfId(row.id);
        if (at < first || at > last)
            continue;
        if (isPastHeld(row)) {
            if (pastHeld.isEmpty() || compare(row, *furthest) > 0)
                *furthest = row;
            pastHeld << row.id;
            continue;
        }
        const bool before = first > 0 && compare(row, low) < 0;
        if (!before && compare(row, high) <= 0)
            continue;
        const int place = replaceRow(at, std::move(row));
        // Where it went was not read: the rows around it are read again when
        // they are shown, as if it had not moved.
        m_rows[size_t(place)].seen = m_generation - 1;
        if (before)
            ++first;
        else
            --last;
    }
    // Rows now past the last one held wait at the end, out of the range.
    for (qint64 id : qAsConst(pastHeld)) {
        moveRow(rowOfId(id), rowCount() - 1);
        --last;
    }
    return pastHeld;
}

bool BaseTableModel::readOnTo(const Row& target, const QVector<qint64>& held)
{
    QStringList conditions;
    QVariantList binds;
    conditions << sideText(Side::After, m_cursorKey, m_cursorId, binds)
               << sideText(Side::AtOrBefore, keyOf(target), target.id, binds);
    Rows rows;
    if (!readRows(conditions, binds, chunkRows + 1, 0, true, &rows) || rows.empty()
        || int(rows.size()) > chunkRows) {
        return false;
    }
    // Every row held past the last one must be among them (a job may have
    // stored since they were read).
    QSet<qint64> read;
    for (const Row& row : rows)
        read.insert(row.id);
    for (qint64 id : held) {
        if (!read.contains(id))
            return false;
    }
    int moves = 0;
    for (const Row& row : rows) {
        if (rowOfId(row.id) >= 0 && ++moves > mostPlacesChanged)
            return false;
    }
    // In the list's order, each to the end: held ones move there.
    for (Row& row : rows) {
        const int at = rowOfId(row.id);
        if (at < 0) {
            insertRowAt(rowCount(), std::move(row));
            continue;
        }
        const int end = rowCount() - 1;
        moveRow(at, end);
        if (setValues(end, std::move(row)))
            emit dataChanged(index(end, 0), index(end, columnCount() - 1));
    }
    setCursor(m_rows.back());
    return true;
}

void BaseTableModel::mergeRows(int first, int last, Rows fresh)
{
    QSet<qint64> wanted;
    for (const Row& row : fresh)
        wanted.insert(row.id);
    // Rows read here that were held elsewhere moved into the range: a few
    // move along (with their selection), more are read anew.
    QVector<int> elsewhere;
    for (const Row& row : fresh) {
        const int at = rowOfId(row.id);
        if (at >= 0 && (at < first || at > last))
            elsewhere << at;
    }
    std::sort(elsewhere.begin(), elsewhere.end(), std::greater<int>());
    if (elsewhere.size() <= mostPlacesChanged) {
        // Each from the range outwards, so that the places of the others hold.
        for (int at : qAsConst(elsewhere)) {
            if (at < first) {
                moveRow(at, first - 1);
                --first;
            }
        }
        for (auto it = elsewhere.crbegin(); it != elsewhere.crend(); ++it) {
            if (*it > last) {
                moveRow(*it, last + 1);
                ++last;
            }
        }
    } else {
        for (int at : qAsConst(elsewhere)) {
            if (at < first) {
                --first;
                --last;
            }
        }
        removeRowsAt(elsewhere);
    }
    // Rows that left the range.
    QSet<qint64> held;
    QVector<int> left;
    for (int row = last; row >= first; --row) {
        if (!wanted.contains(m_rows[size_t(row)].id))
            left << row;
        else
            held.insert(m_rows[size_t(row)].id);
    }
    last -= left.size();
    removeRowsAt(left);
    int end = last + 1;
    int at = first;
    for (size_t i = 0; i < fresh.size();) {
        if (!held.contains(fresh[i].id)) {
            // New rows that stand together go in together.
            size_t next = i + 1;
            while (next < fresh.size() && !held.contains(fresh[next].id))
                ++next;
            const int count = int(next - i);
            insertRowsAt(at, Rows(std::make_move_iterator(fresh.begin() + long(i)),
                                  std::make_move_iterator(fresh.begin() + long(next))));
            at += count;
            end += count;
            i = next;
            continue;
        }
        int from = at;
        while (from < end && m_rows[size_t(from)].id != fresh[i].id)
            ++from;
        moveRow(from, at);
        if (setValues(at, std::move(fresh[i])))
            emit dataChanged(index(at, 0), index(at, columnCount() - 1));
        ++at;
        ++i;
    }
}

} // namespace Vexal
