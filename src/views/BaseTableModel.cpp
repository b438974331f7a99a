#include "views/BaseTableModel.h"

#include "core/Convert.h"
#include "data/DBBase.h"
#include "data/DBConnection.h"
#include "texts/LocaleMessage.h"
#include "views/UtilReport.h"

#include <QCoreApplication>
#include <QIcon>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>

namespace Vexal {

namespace {

const QString displayDate = QStringLiteral("yyyy-MM-dd");
const QString displayDateTime = QStringLiteral("yyyy-MM-dd hh:mm:ss");
const QString ownConnectionPrefix = QStringLiteral("tesvar-list-");

// The connection a model reads on: a clone of the window's connection when
// that one's file keeps a write-ahead log, else the window's own.
QSqlDatabase readingConnection()
{
    const QSqlDatabase window = DBConnection::current();
    if (!window.isOpen() || !DBConnection::isGuiThread())
        return window;
    {
        QSqlQuery mode(window);
        if (!mode.exec(QStringLiteral("PRAGMA journal_mode;")) || !mode.next()
            || mode.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
            return window;
    }
    static int made = 0;
    const QString name = ownConnectionPrefix + QString::number(++made);
    QSqlDatabase own = QSqlDatabase::cloneDatabase(window, name);
    if (own.open())
        return own;
    own = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
    return window;
}

} // namespace

BaseTableModel::BaseTableModel(QObject* parent)
    : QSqlTableModel(parent, readingConnection())
{
}

BaseTableModel::~BaseTableModel()
{
    const QString name = database().connectionName();
    if (!name.startsWith(ownConnectionPrefix))
        return;
    // Closing ends the model's statement too; the base still holds the
    // connection until its own end.
    database().close();
    if (QCoreApplication::instance())
        QTimer::singleShot(0, QCoreApplication::instance(), [name] { QSqlDatabase::removeDatabase(name); });
}

bool BaseTableModel::select()
{
    // A statement with rows left to fetch would keep the next one reading
    // what was stored when it began.
    QSqlQuery last = query();
    last.finish();
    return QSqlTableModel::select();
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

QVariant BaseTableModel::data(const QModelIndex& index, int role) const
{
    const int column = index.column();
    if (!index.isValid() || column >= m_kinds.size() || m_kinds.at(column) == 0)
        return QSqlTableModel::data(index, role);

    switch (role) {
    case Qt::DecorationRole:
        if (isIconColumn(column) && column > 0) {
            const QByteArray bytes = QSqlTableModel::data(index.sibling(index.row(), column - 1)).toByteArray();
            return QIcon(Convert::bytesToPixmap(bytes));
        }
        break;
    case Qt::CheckStateRole:
        if (isBoolColumn(column))
            return QSqlTableModel::data(index).toInt() != 0 ? Qt::Checked : Qt::Unchecked;
        break;
    case Qt::DisplayRole:
        if (isBoolColumn(column))
            return QVariant();
        if (isDateColumn(column)) {
            const QDate date = DBBase::readDate(QSqlTableModel::data(index));
            return date.isValid() ? date.toString(displayDate) : QString();
        }
        if (isDateTimeColumn(column)) {
            const QDateTime dateTime = DBBase::readDateTime(QSqlTableModel::data(index));
            return dateTime.isValid() ? dateTime.toString(displayDateTime) : QString();
        }
        break;
    default:
        break;
    }
    return QSqlTableModel::data(index, role);
}

Qt::ItemFlags BaseTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags result = QSqlTableModel::flags(index);
    if (index.isValid() && isBoolColumn(index.column()))
        result |= Qt::ItemIsUserCheckable;
    return result;
}

void BaseTableModel::sort(int column, Qt::SortOrder order)
{
    setSort(column, order);
    if (!select())
        reportSelectError();
}

void BaseTableModel::reportSelectError() const
{
    UtilReport::error(LocaleMessage::sqlQueryFailed(statementText(), lastError().text()));
}

bool BaseTableModel::selectWhere(const QString& where)
{
    // setFilter re-selects by itself only while the current query is active;
    // after a failed select it would just store the text.
    const bool reselects = query().isActive();
    setFilter(where);
    if (!reselects)
        return select();
    return query().isActive() && !lastError().isValid();
}

} // namespace Vexal
