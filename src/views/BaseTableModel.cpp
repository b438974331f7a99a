#include "views/BaseTableModel.h"

#include "core/Convert.h"
#include "core/Logger.h"
#include "core/RecordChanges.h"
#include "data/DBBase.h"
#include "data/DBConnection.h"
#include "data/DBRecordNews.h"
#include "texts/LocaleMessage.h"
#include "views/UtilReport.h"

#include <QIcon>
#include <QScopedValueRollback>

#include <algorithm>
#include <functional>

namespace Vexal {

namespace {

const QString displayDate = QStringLiteral("yyyy-MM-dd");
const QString displayDateTime = QStringLiteral("yyyy-MM-dd hh:mm:ss");

} // namespace

BaseTableModel::BaseTableModel(QObject* parent)
    : QAbstractTableModel(parent)
    , m_reader(DBConnection::current())
{
}

BaseTableModel::~BaseTableModel() = default;

// ---- set-up ----

void BaseTableModel::setTable(const QString& tableName)
{
    beginResetModel();
    dropRows();
    m_sortColumn = -1;
    m_sortOrder = Qt::AscendingOrder;
    m_headers.clear();
    m_reader.setFilter(QString());
    m_reader.setSource(tableName);
    m_listedTables = tableName.isEmpty() ? QStringList() : DBRecordNews::tablesListedBy(tableName);
    m_idTable = tableName.isEmpty() ? QString() : DBRecordNews::idTableOf(tableName);
    endResetModel();
}

void BaseTableModel::setSort(int column, Qt::SortOrder order)
{
    m_sortColumn = column;
    m_sortOrder = order;
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

bool BaseTableModel::select()
{
    beginResetModel();
    dropRows();
    m_reader.setOrder(m_sortColumn, m_sortColumn >= 0 && m_sortOrder == Qt::DescendingOrder);
    ListRows rows;
    m_listing = m_reader.readChunk(nullptr, 0, chunkRows, &rows);
    m_atEnd = !m_listing || int(rows.size()) < chunkRows;
    for (ListRow& row : rows) {
        row.seen = m_generation;
        keepKey(row);
    }
    if (!rows.empty())
        readOnFrom(rows.back());
    m_rows = std::move(rows);
    endResetModel();
    return m_listing;
}

void BaseTableModel::sort(int column, Qt::SortOrder order)
{
    setSort(column, order);
    if (!select())
        reportSelectError();
}

void BaseTableModel::reportSelectError() const
{
    UtilReport::error(LocaleMessage::sqlQueryFailed(statementText(), lastError().text()), m_reader.failureCause());
}

// ---- the Qt model ----

int BaseTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int BaseTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_reader.fields().count();
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
    const int limit = chunkSize();
    ListRows rows;
    if (!m_reader.readChunk(m_hasCursor ? &m_cursor : nullptr, rowCount(), limit, &rows)) {
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
    if (m_reader.keyColumn() >= 0) {
        // A row held with a sort value since changed (not yet read again)
        // may come again from after the last one held: this reading counts.
        QVector<int> stale;
        for (const ListRow& row : rows) {
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
    return m_reader.keyColumn() < 0 ? chunkRows
                                    : std::max(chunkRows, std::min(ListReader::largestRead, rowCount()));
}

QVariant BaseTableModel::value(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0)
        return QVariant();
    const QVector<QVariant>& values = rowAt(row).values;
    return column < values.size() ? values.at(column) : QVariant();
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
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if (index.isValid() && isBoolColumn(index.column()))
        result |= Qt::ItemIsUserCheckable;
    return result;
}

QVariant BaseTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        const QMap<int, QVariant> texts = m_headers.value(section);
        QVariant text = texts.value(role);
        if (role == Qt::DisplayRole && !text.isValid())
            text = texts.value(Qt::EditRole);
        if (text.isValid())
            return text;
        if (role == Qt::DisplayRole && section >= 0 && section < columnCount())
            return m_reader.fields().fieldName(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool BaseTableModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return false;
    m_headers[section][role] = value;
    emit headerDataChanged(orientation, section, section);
    return true;
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

// ---- following what is stored ----

bool BaseTableModel::applyChanges(const RecordChanges& all, int first, int last)
{
    if (!m_listing)
        return false;
    const RecordChanges changes = all.of(m_listedTables);
    if (changes.isEmpty())
        return false;
    if (m_rows.empty() || m_reader.idColumn() < 0)
        return readFromStart();
    const QScopedValueRollback<bool> changing(m_changing, true);
    if (m_merge.rereadIds(changes, m_idTable))
        return true;
    forgetRead();
    return m_merge.rereadRange(first, last);
}

bool BaseTableModel::rereadRange(int first, int last)
{
    if (!m_listing)
        return false;
    if (m_rows.empty() || m_reader.idColumn() < 0)
        return readFromStart();
    const QScopedValueRollback<bool> changing(m_changing, true);
    return m_merge.rereadRange(first, last);
}

bool BaseTableModel::readFromStart()
{
    // Without IDs the place cannot be found again: the list is selected
    // anew.
    if (m_reader.idColumn() < 0)
        return select();
    const QScopedValueRollback<bool> changing(m_changing, true);
    m_hasCursor = false;
    m_atEnd = false;
    ++m_generation;
    readNextChunk();
    return true;
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
        if (rowAt(row).seen != m_generation)
            return false;
    }
    return true;
}

// ---- the rows held ----

int BaseTableModel::placeOf(const ListRow& row, int skip) const
{
    // The rows held without `skip`, searched for the first that stands after.
    int low = 0;
    int high = rowCount() - (skip >= 0 ? 1 : 0);
    while (low < high) {
        const int middle = low + (high - low) / 2;
        const int at = skip >= 0 && middle >= skip ? middle + 1 : middle;
        if (m_reader.compare(rowAt(at), row) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

int BaseTableModel::rowOfId(qint64 id) const
{
    ListPlace wanted{QVariant(), id};
    if (m_reader.keyColumn() >= 0) {
        const auto key = m_keyOf.constFind(id);
        if (key == m_keyOf.constEnd())
            return -1;
        wanted.key = key.value();
    }
    // Held in the list's order, by the values they were read with.
    const auto at = std::lower_bound(m_rows.begin(), m_rows.end(), wanted, [this](const ListRow& a, const ListPlace& b) {
        return m_reader.compare(m_reader.placeOf(a), b) < 0;
    });
    if (at != m_rows.end() && at->id == id)
        return int(at - m_rows.begin());
    // Values SQLite orders otherwise than compare does: look at every row.
    for (size_t row = 0; m_reader.keyColumn() >= 0 && row < m_rows.size(); ++row) {
        ++m_rowsWalked;
        if (m_rows[row].id == id)
            return int(row);
    }
    return -1;
}

bool BaseTableModel::holds(qint64 id) const
{
    return m_reader.keyColumn() >= 0 ? m_keyOf.contains(id) : rowOfId(id) >= 0;
}

void BaseTableModel::readOnFrom(const ListRow& row)
{
    m_cursor = m_reader.placeOf(row);
    m_hasCursor = true;
}

void BaseTableModel::heldToEnd()
{
    m_atEnd = true;
    m_hasCursor = false;
    if (!m_rows.empty())
        readOnFrom(m_rows.back());
}

ListWork BaseTableModel::workForTests() const
{
    const ListReader::Reads reads = m_reader.reads();
    return ListWork{reads.statements, reads.rows, m_rowsWalked};
}

void BaseTableModel::keepKey(const ListRow& row)
{
    if (m_reader.keyColumn() >= 0)
        m_keyOf.insert(row.id, m_reader.keyOf(row));
}

// ---- edits of the rows held ----

void BaseTableModel::appendRows(ListRows rows)
{
    if (rows.empty())
        return;
    const int first = rowCount();
    beginInsertRows(QModelIndex(), first, first + int(rows.size()) - 1);
    readOnFrom(rows.back());
    for (ListRow& row : rows) {
        row.seen = m_generation;
        keepKey(row);
        m_rows.push_back(std::move(row));
    }
    endInsertRows();
}

void BaseTableModel::insertRowsAt(int at, ListRows rows)
{
    if (rows.empty())
        return;
    beginInsertRows(QModelIndex(), at, at + int(rows.size()) - 1);
    for (ListRow& row : rows) {
        row.seen = m_generation;
        keepKey(row);
    }
    m_rows.insert(m_rows.begin() + at, std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    endInsertRows();
}

void BaseTableModel::removeRowRange(int first, int last)
{
    // The views drop the selection of the rows as they are told.
    const QScopedValueRollback<bool> removing(m_removingRows, true);
    beginRemoveRows(QModelIndex(), first, last);
    if (m_reader.keyColumn() >= 0) {
        for (int row = first; row <= last; ++row)
            m_keyOf.remove(rowAt(row).id);
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
    ListRow row = std::move(m_rows[size_t(from)]);
    m_rows.erase(m_rows.begin() + from);
    m_rows.insert(m_rows.begin() + to, std::move(row));
    endMoveRows();
}

bool BaseTableModel::setValues(int at, ListRow row)
{
    ListRow& held = m_rows[size_t(at)];
    held.seen = m_generation;
    if (held.values == row.values)
        return false;
    held.values = std::move(row.values);
    keepKey(held);
    return true;
}

void BaseTableModel::setRow(int at, ListRow row)
{
    if (setValues(at, std::move(row)))
        rowChanged(at);
}

int BaseTableModel::placeRow(int at, ListRow row)
{
    if (!setValues(at, std::move(row)))
        return at;
    // A new sort value may place it elsewhere.
    const int place = placeOf(rowAt(at), at);
    moveRow(at, place);
    rowChanged(place);
    return place;
}

void BaseTableModel::markUnread(int row)
{
    m_rows[size_t(row)].seen = m_generation - 1;
}

void BaseTableModel::rowChanged(int row)
{
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

} // namespace Vexal
