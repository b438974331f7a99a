#include "views/BaseTable.h"

#include "core/ConstApp.h"
#include "core/Logger.h"
#include "core/SyncManager.h"
#include "core/UtilPrompt.h"
#include "core/UtilSignalManager.h"
#include "data/DBColumn.h"
#include "data/DBConnection.h"
#include "data/DBColumnList.h"
#include "core/DBSql.h"
#include "texts/LocaleBaseWidget.h"
#include "texts/LocaleMessage.h"
#include "views/BaseTableHeader.h"
#include "views/BaseTableModel.h"
#include "views/DlgSetupColumns.h"
#include "views/DqlFilter.h"
#include "views/ListFollower.h"
#include "views/SqlFilter.h"
#include "views/SqlFilterCollection.h"
#include "views/UtilDialog.h"
#include "views/UtilReport.h"

#include <QAction>
#include <QCursor>
#include <QItemSelectionModel>
#include <QMenu>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace Vexal {

namespace {

// No row matches before the first load.
const QString noRows = QStringLiteral("1 = 2");

} // namespace

BaseTable::BaseTable(SyncManager* syncManager, QWidget* parent)
    : QTableView(parent)
    , m_syncManager(syncManager)
{
}

BaseTable::BaseTable(SyncManager* syncManager, QWidget* parent, TextGetter table)
    : QTableView(parent)
    , m_syncManager(syncManager)
    , m_columnSet(DBDefaultColumns::forTable(table()))
    , m_table(table)
{
}

BaseTable::~BaseTable() = default;

void BaseTable::build()
{
    setup();
    initColumns();
    createModel();
    applyColumns();
    createColumnsMenu();
    createTableMenu();
    addMenuItems();
    addReloadItem();
    createFilters();
    addFixedFilters();
    connectSignals();
}

bool BaseTable::load()
{
    return applyFilters();
}

bool BaseTable::reload()
{
    if (!m_model) {
        reportInvalidObject(QStringLiteral("model"));
        return false;
    }
    // select() runs whether or not the last statement succeeded.
    if (m_model->select())
        return true;
    m_model->reportSelectError();
    return false;
}

bool BaseTable::showChanges(const RecordChanges& changes, bool now)
{
    return m_follower && m_follower->showChanges(changes, now);
}

void BaseTable::showEvent(QShowEvent* event)
{
    QTableView::showEvent(event);
    if (m_follower)
        m_follower->shown();
}

void BaseTable::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    if (m_follower)
        m_follower->readShownRowsSoon();
}

void BaseTable::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QVector<int>& roles)
{
    if (isVisible() && topLeft.isValid() && bottomRight.isValid()) {
        const int first = rowAt(0);
        const int last = rowAt(viewport()->height() - 1);
        if (first >= 0 && (bottomRight.row() < first || (last >= 0 && topLeft.row() > last)))
            return;
    }
    QTableView::dataChanged(topLeft, bottomRight, roles);
}

void BaseTable::filter()
{
    if (!m_filters) {
        reportInvalidObject(QStringLiteral("filters"));
        return;
    }
    DqlFilter dialog;
    dialog.build(m_filters);
    if (UtilDialog::exec(&dialog) == QDialog::Accepted)
        applyFilters();
}

bool BaseTable::removeFilter()
{
    if (m_filters)
        m_filters->disableFilters();
    return applyFilters();
}

bool BaseTable::applyFilters()
{
    if (!m_model) {
        reportInvalidObject(QStringLiteral("model"));
        return false;
    }
    const QString where = m_filters ? m_filters->whereText() : QString();
    m_model->setFilter(where);
    if (m_model->select())
        return true;
    m_model->reportSelectError();
    return false;
}

qint64 BaseTable::selectedId() const
{
    const QItemSelectionModel* selection = selectionModel();
    if (!selection) {
        reportInvalidObject(QStringLiteral("QItemSelectionModel"));
        return -1;
    }
    const QModelIndexList rows = selection->selectedRows();
    if (rows.isEmpty())
        return -1;
    if (!m_model) {
        reportInvalidObject(QStringLiteral("model"));
        return -1;
    }
    bool ok = false;
    const qint64 id = m_model->value(rows.first().row(), DBSql::colID()).toLongLong(&ok);
    if (!ok) {
        reportInvalidObject(DBSql::colID());
        return -1;
    }
    return id;
}

QList<qint64> BaseTable::heldSelectedIds() const
{
    QList<qint64> ids;
    const QItemSelectionModel* selection = selectionModel();
    if (!selection) {
        reportInvalidObject(QStringLiteral("QItemSelectionModel"));
        return ids;
    }
    const QModelIndexList rows = selection->selectedRows();
    if (rows.isEmpty())
        return ids;
    if (!m_model) {
        reportInvalidObject(QStringLiteral("model"));
        return ids;
    }
    const int idColumn = m_model->fieldIndex(DBSql::colID());
    for (const QModelIndex& row : rows)
        ids << m_model->value(row.row(), idColumn).toLongLong();
    return ids;
}

void BaseTable::selectAll()
{
    if (m_follower)
        m_follower->selectAll();
    else
        QTableView::selectAll();
}

bool BaseTable::allRowsSelected() const
{
    return m_follower && m_follower->allRowsSelected();
}

QString BaseTable::selectedRowsCondition() const
{
    const QString idColumn = DBSql::colID();
    if (allRowsSelected()) {
        // The model's own source and WHERE text: exactly the rows it lists,
        // without fetching them into the view.
        QString listed = QStringLiteral("SELECT %1 FROM %2").arg(idColumn, m_model->tableName());
        const QString where = m_model->filter();
        if (!where.trimmed().isEmpty())
            listed += QStringLiteral(" WHERE ") + where;
        return QStringLiteral("%1 IN (%2)").arg(idColumn, listed);
    }
    const QList<qint64> ids = heldSelectedIds();
    if (ids.isEmpty())
        return QString();
    QStringList numbers;
    numbers.reserve(ids.size());
    for (qint64 id : ids)
        numbers << QString::number(id);
    return QStringLiteral("%1 IN (%2)").arg(idColumn, numbers.join(QLatin1Char(',')));
}

QList<qint64> BaseTable::selectedIds() const
{
    if (!allRowsSelected()) {
        QList<qint64> ids = heldSelectedIds();
        std::sort(ids.begin(), ids.end());
        return ids;
    }
    const QString text = QStringLiteral("SELECT %1 FROM %2 WHERE %3 ORDER BY %1;")
                             .arg(DBSql::colID(), tableName(), selectedRowsCondition());
    QSqlQuery query(DBConnection::current());
    query.setForwardOnly(true);
    QList<qint64> ids;
    if (!query.exec(text)) {
        UtilReport::error(LocaleMessage::sqlQueryFailed(text, query.lastError().text()));
        return ids;
    }
    while (query.next())
        ids << query.value(0).toLongLong();
    return ids;
}

QString BaseTable::viewName() const
{
    return m_columnSet ? m_columnSet->source() : tableName();
}

QString BaseTable::tableName() const
{
    return m_table ? m_table() : QString();
}

BaseTableHeader* BaseTable::tableHeader() const
{
    return qobject_cast<BaseTableHeader*>(horizontalHeader());
}

void BaseTable::reportInvalidObject(const QString& name) const { UtilReport::invalidObject(name); }
void BaseTable::reportListError(const DBListBase* list) const { UtilReport::listError(list); }
void BaseTable::reportRecordError(const DBBase* record) const { UtilReport::recordError(record); }

void BaseTable::setContext(const QString& action) const
{
    Logger::setContext(QLatin1String(metaObject()->className()), action);
}

// ---- build steps ----

void BaseTable::setup()
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setContextMenuPolicy(Qt::CustomContextMenu);

    auto* header = new BaseTableHeader(Qt::Horizontal, this);
    setHorizontalHeader(header);
    header->setSectionsMovable(true);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setContextMenuPolicy(Qt::ActionsContextMenu);
    // The row numbers are drawn anew whenever they scroll, never copied:
    // rows that come below the last one at the end of the list move them by
    // part of a row as the view lays itself out, and on X11 a copy made
    // then (after the journal was shown again) leaves them half a row off
    // their rows. Drawn on the header's own background, they look the same.
    verticalHeader()->viewport()->setAutoFillBackground(false);
    // After the header is in place, so that the sort connects to it.
    setSortingEnabled(true);
}

void BaseTable::initColumns()
{
    if (!m_columnSet)
        return;
    delete m_columns;
    m_columns = new DBColumnList(m_columnSet->id(), this);
    if (!m_columns->load()) {
        reportListError(m_columns);
        return;
    }
    if (m_columns->count() == 0)
        m_columns->addDefaultColumns(m_columnSet);
}

void BaseTable::createModel()
{
    m_model = new BaseTableModel(this);
    const int count = m_columns ? m_columns->count() : 0;
    for (int i = 0; i < count; ++i) {
        switch (m_columns->at(i)->type()) {
        case DBColumn::KindIcon:
            m_model->addIconColumn(i + 1);
            break;
        case DBColumn::KindDate:
            m_model->addDateColumn(i);
            break;
        case DBColumn::KindDateTime:
            m_model->addDateTimeColumn(i);
            break;
        case DBColumn::KindBoolean:
            m_model->addBoolColumn(i);
            break;
        default:
            break;
        }
    }
    m_model->setTable(viewName());
    m_model->setFilter(noRows);
    setModel(m_model);
    m_follower = new ListFollower(this, m_model);
}

void BaseTable::applyColumns()
{
    if (!m_columns)
        return;
    const int count = m_columns->count();
    for (int i = 0; i < count; ++i) {
        DBColumn* column = m_columns->at(i);
        column->setLogicalIndex(i);
        setColumnHidden(i, !column->visibleInView() || !column->visible());
        if (m_model)
            m_model->setHeaderData(i, Qt::Horizontal, column->header(), Qt::EditRole);
        setColumnWidth(i, column->width());
    }
    QHeaderView* header = horizontalHeader();
    for (int v = 0; v < count; ++v) {
        const int logical = m_columns->logicalIndexAt(v);
        const int from = header->visualIndex(logical);
        if (from >= 0 && from != v && v < header->count())
            header->moveSection(from, v);
    }
}

void BaseTable::createColumnsMenu()
{
    m_columnsMenu = new QMenu(this);
    addHeaderItem(LocaleBaseWidget::resizeColumn(), CommandResizeColumn, &BaseTable::slotResizeColumn);
    addHeaderItem(LocaleBaseWidget::resizeAllColumns(), CommandResizeAllColumns, &BaseTable::slotResizeAllColumns);
    addHeaderSeparator();
    addHeaderItem(LocaleBaseWidget::saveLayout(), CommandSaveLayout, &BaseTable::slotSaveLayout);
    addHeaderItem(LocaleBaseWidget::restoreLayout(), CommandRestoreLayout, &BaseTable::slotRestoreLayout);
    addHeaderSeparator();
    addHeaderItem(LocaleBaseWidget::setupColumns(), CommandSetupColumns, &BaseTable::slotSetupColumns);
}

QAction* BaseTable::addHeaderItem(const QString& text, int commandId, void (BaseTable::*slot)())
{
    QAction* action = m_columnsMenu->addAction(text);
    horizontalHeader()->addAction(action);
    if (m_syncManager)
        m_syncManager->addAction(commandId, action);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void BaseTable::addHeaderSeparator()
{
    horizontalHeader()->addAction(m_columnsMenu->addSeparator());
}

void BaseTable::createTableMenu()
{
    m_tableMenu = new QMenu(this);
    connect(addCommandItem(LocaleBaseWidget::add(), CommandAdd), &QAction::triggered, this, &BaseTable::onAdd);
    connect(addCommandItem(LocaleBaseWidget::edit(), CommandEdit), &QAction::triggered, this, &BaseTable::onEdit);
    connect(addCommandItem(LocaleBaseWidget::deleteItem(), CommandDelete), &QAction::triggered, this,
            &BaseTable::onDelete);
    m_tableMenu->addSeparator();
    connect(addCommandItem(LocaleBaseWidget::filter(), CommandFilter), &QAction::triggered, this,
            &BaseTable::onFilter);
    connect(addCommandItem(LocaleBaseWidget::remove(), CommandRemoveFilter), &QAction::triggered, this,
            &BaseTable::onRemoveFilter);
    m_tableMenu->addSeparator();
}

void BaseTable::addMenuItems()
{
}

void BaseTable::addReloadItem()
{
    connect(addCommandItem(LocaleBaseWidget::reload(), CommandReload), &QAction::triggered, this,
            &BaseTable::onReload);
}

QAction* BaseTable::addCommandItem(const QString& text, int commandId)
{
    if (!m_tableMenu)
        m_tableMenu = new QMenu(this);
    QAction* action = m_tableMenu->addAction(text);
    action->setEnabled(false);
    if (m_syncManager)
        m_syncManager->addAction(commandId, action);
    connect(action, &QAction::triggered, this, [this, commandId] { emit onCommand(commandId); });
    return action;
}

void BaseTable::createFilters()
{
    m_filters = new SqlFilterCollection(this);
    if (m_columns)
        m_filters->addColumnFilters(m_columns);
}

void BaseTable::addFixedFilters()
{
}

SqlFilter* BaseTable::addFixedFilter(int type, int operatorCode, const QString& column, const QVariant& value)
{
    if (!m_filters)
        m_filters = new SqlFilterCollection(this);
    auto* fixed = new SqlFilter(m_filters);
    fixed->setType(type);
    fixed->setOperator(operatorCode);
    fixed->setColumn(column);
    fixed->setValue(value);
    fixed->setEnabled(true);
    m_filters->addFixedFilter(fixed);
    return fixed;
}

void BaseTable::connectSignals()
{
    if (QItemSelectionModel* selection = selectionModel())
        connect(selection, &QItemSelectionModel::selectionChanged, this, &BaseTable::handleSelectionChanged);
    connect(this, &QAbstractItemView::doubleClicked, this, &BaseTable::handleDoubleClick);
    connect(this, &QWidget::customContextMenuRequested, this, &BaseTable::handleTableMenu);
    connect(horizontalHeader(), &QWidget::customContextMenuRequested, this, &BaseTable::handleColumnsMenu);
}

// ---- slots ----

void BaseTable::handleSelectionChanged(const QItemSelection&, const QItemSelection&)
{
    if (m_follower)
        m_follower->selectionChanged();
    emit onSelectionChanged();
}

void BaseTable::handleDoubleClick(const QModelIndex&)
{
    emit onEdit();
}

void BaseTable::handleTableMenu(const QPoint&)
{
    if (m_tableMenu)
        m_tableMenu->popup(QCursor::pos());
}

void BaseTable::handleColumnsMenu(const QPoint&)
{
    if (m_columnsMenu)
        m_columnsMenu->popup(QCursor::pos());
}

void BaseTable::slotResizeColumn()
{
    setContext(LocaleBaseWidget::resizeColumn());
    const BaseTableHeader* header = tableHeader();
    const int column = columnAt(header ? header->pressPosition().x() : 0);
    if (column >= 0)
        resizeColumnToContents(column);
}

void BaseTable::slotResizeAllColumns()
{
    setContext(LocaleBaseWidget::resizeAllColumns());
    resizeColumnsToContents();
}

void BaseTable::slotSaveLayout()
{
    setContext(LocaleBaseWidget::saveLayout());
    if (!m_columns) {
        reportInvalidObject(QStringLiteral("columns"));
        return;
    }
    const QHeaderView* header = horizontalHeader();
    for (int i = 0; i < m_columns->count(); ++i) {
        DBColumn* column = m_columns->at(i);
        if (column->id() < 0)
            column->setId(-1);
        const bool shown = !isColumnHidden(i);
        column->setVisible(shown);
        column->setVisualIndex(header->visualIndex(i));
        if (shown)
            column->setWidth(columnWidth(i));
    }
    if (!m_columns->saveAll()) {
        reportListError(m_columns);
        return;
    }
    UtilSignalManager::instance()->emitInfo(LocaleBaseWidget::layoutSaved());
}

void BaseTable::slotRestoreLayout()
{
    setContext(LocaleBaseWidget::restoreLayout());
    if (!m_columns) {
        reportInvalidObject(QStringLiteral("columns"));
        return;
    }
    const QMessageBox::StandardButton answer =
        UtilPrompt::question(this, ConstApp::title(), LocaleBaseWidget::confirmRestoreDefaultLayout(),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    if (!m_columns->removeAll()) {
        reportListError(m_columns);
        return;
    }
    initColumns();
    applyColumns();
}

void BaseTable::slotSetupColumns()
{
    setContext(LocaleBaseWidget::setupColumns());
    if (!m_columns) {
        reportInvalidObject(QStringLiteral("columns"));
        return;
    }
    DlgSetupColumns dialog;
    dialog.build(m_columns);
    if (UtilDialog::exec(&dialog) != QDialog::Accepted)
        return;
    for (int i = 0; i < m_columns->count(); ++i) {
        const DBColumn* column = m_columns->at(i);
        if (column->visible()) {
            setColumnHidden(i, false);
            setColumnWidth(i, column->width());
        } else {
            setColumnHidden(i, true);
        }
    }
}

} // namespace Vexal
