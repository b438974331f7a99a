#pragma once

#include "data/DBDefaultColumns.h"

#include <QList>
#include <QTableView>
#include <QVariant>

class QAction;
class QResizeEvent;
class QItemSelection;
class QMenu;

namespace Vexal {

class BaseTableHeader;
class BaseTableModel;
class ListFollower;
class DBBase;
class DBColumnList;
class DBListBase;
class RecordChanges;
class SqlFilter;
class SqlFilterCollection;
class SyncManager;

// The table view of a journal: the rows of one SQL table or view through a
// BaseTableModel, in columns laid out by a saved column layout (or the
// area's default set), filtered by the table's SqlFilterCollection, with a
// row menu and a column header menu. Its command signals go to the journal.
// While the model follows what is stored, its ListFollower keeps what the
// user sees: the selection, Select All and the first row shown.
//
// A data area's table is usually just its default column set (layout key,
// default columns and the view read) and the SQL table that holds its
// records, given to BaseRecordTable below:
//
//     class WidCityTable final : public BaseRecordTable<BaseTable, &DBSql::tableCity>
//
// Further row-menu entries go in addMenuItems (addCommandItem), fixed
// conditions in addFixedFilters (addFixedFilter).
class BaseTable : public QTableView
{
    Q_OBJECT
public:
    using TextGetter = DBDefaultColumns::TextGetter;

    // The command ids of the record screens: one number space for every
    // journal, its tool bar, its table's menus and the editor's Save (an id
    // names the same command wherever it is registered). The ids of every
    // area stand here.
    enum Command {
        CommandAdd = 1,
        CommandEdit = 2,
        CommandDelete = 3,
        CommandAddWord = 7,
        CommandEditWord = 8,
        CommandDeleteWord = 9,
        CommandReload = 10,
        CommandFilter = 11,
        CommandRemoveFilter = 12,
        CommandResizeColumn = 13,
        CommandResizeAllColumns = 14,
        CommandSaveLayout = 15,
        CommandRestoreLayout = 16,
        CommandSetupColumns = 17,
        CommandSave = 18,
        CommandSelect = 19,
        CommandCopy = 20,
        CommandLoad = 21,
        CommandSpin = 24,
        CommandVisible = 26,
        CommandHidden = 27,
        CommandHomePage = 28,
        CommandLoginPage = 29,
        CommandRegistrationPage = 31,
        CommandUserPage = 32
    };

    // A table without a column layout of its own (initColumns makes none).
    BaseTable(SyncManager* syncManager, QWidget* parent = nullptr);
    // A table of the records of `table`, laid out by that table's default
    // column set; a table without one shows its columns as stored.
    BaseTable(SyncManager* syncManager, QWidget* parent, TextGetter table);
    ~BaseTable() override;

    // The build steps: setup, initColumns, createModel, applyColumns,
    // createColumnsMenu, createTableMenu, addMenuItems, addReloadItem,
    // createFilters, addFixedFilters, connectSignals.
    void build();

    // The model's filter := the WHERE text, then select. Every load, reload,
    // filter and remove-filter reports a statement the database rejects
    // (error console and notification bar) and returns false; the table is
    // then empty and recovers on the next successful load.
    bool load();
    bool reload();
    // Brings stored changes into the rows it lists, keeping what the user
    // sees: the selected rows (after Select All, every row, also those that
    // come), the current row and the scroll position. It costs what changed
    // and what is on screen (ListFollower, BaseTableModel::applyChanges). A
    // table not shown keeps the changes until it is, or takes them `now`
    // (its journal's own writes, BaseJournal::showOwnWrites). False when they
    // do not concern its rows (or wait), or before the first load or after a
    // failed one.
    bool showChanges(const RecordChanges& changes, bool now = false);
    // Runs the Filter dialog; accepted: applies the new WHERE text.
    void filter();
    // Every user filter off (fixed filters stay), then applies the WHERE text.
    bool removeFilter();

    // The ID of the first selected row, for a command on one record; -1
    // when nothing is selected.
    virtual qint64 selectedId() const;
    // Which records a row command acts on: those of the selected rows, or
    // after Select All every row the table lists, fetched or not; in the
    // order of ID. Empty when nothing is selected or the database fails
    // (reported). After Select All it reads every listed ID: a command on
    // the rows acts through selectedRowsCondition instead.
    QList<qint64> selectedIds() const;
    // The same records as a condition on the ID column of the table's SQL
    // table, for one statement over them all (Delete, Visible, Hidden,
    // Copy); empty when nothing is selected. After Select All it is the
    // list's own source and filter, the same text whatever the rows'
    // number; otherwise it names the IDs of the selected rows held.
    QString selectedRowsCondition() const;
    // Select All: every row the table lists, also the rows the view has not
    // fetched yet (they are selected as they arrive). Any other change of the
    // selection, and every select of the model, ends it.
    void selectAll() override;
    // True while Select All is in force and every fetched row is selected.
    bool allRowsSelected() const;
    virtual QString viewName() const;
    virtual QString tableName() const;

    SyncManager* syncManagerObject() const { return m_syncManager; }
    DBColumnList* columnList() const { return m_columns; }
    BaseTableModel* tableModel() const { return m_model; }
    SqlFilterCollection* filterCollection() const { return m_filters; }
    QMenu* rowMenu() const { return m_tableMenu; }
    QMenu* headerMenu() const { return m_columnsMenu; }
    BaseTableHeader* tableHeader() const;

    void reportInvalidObject(const QString& name) const;
    void reportListError(const DBListBase* list) const;
    void reportRecordError(const DBBase* record) const;

signals:
    void onAdd();
    void onEdit();
    void onDelete();
    void onFilter();
    void onRemoveFilter();
    void onReload();
    void onSelectionChanged();
    // Every row-menu command by its id, besides the entry's own signal.
    void onCommand(int id);

public slots:
    void slotResizeColumn();
    void slotResizeAllColumns();
    void slotSaveLayout();
    void slotRestoreLayout();
    void slotSetupColumns();
    void handleSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void handleDoubleClick(const QModelIndex& index);
    void handleTableMenu(const QPoint& pos);
    void handleColumnsMenu(const QPoint& pos);

protected:
    virtual void setup();
    virtual void initColumns();
    virtual void createModel();
    virtual void applyColumns();
    virtual void createColumnsMenu();
    virtual void createTableMenu();
    virtual void addMenuItems();
    virtual void addReloadItem();
    virtual void createFilters();
    virtual void addFixedFilters();
    virtual void connectSignals();

    // Appends a row-menu entry for a command: disabled until the journal
    // enables the id, registered with the sync manager, reported by
    // onCommand(id). The caller may connect its triggered() to a signal of
    // its own.
    QAction* addCommandItem(const QString& text, int commandId);
    // Adds an enabled fixed condition "column operator value".
    SqlFilter* addFixedFilter(int type, int operatorCode, const QString& column, const QVariant& value);
    // Sets the model's filter to the collection's WHERE text and selects.
    bool applyFilters();
    void setContext(const QString& action) const;

    SyncManager* m_syncManager = nullptr;
    DBColumnList* m_columns = nullptr;
    BaseTableModel* m_model = nullptr;
    SqlFilterCollection* m_filters = nullptr;
    QMenu* m_columnsMenu = nullptr;
    QMenu* m_tableMenu = nullptr;

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Rows changed off screen need no painting (the view would paint all it
    // shows for a row of several cells).
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QVector<int>& roles = QVector<int>()) override;

private:
    QAction* addHeaderItem(const QString& text, int commandId, void (BaseTable::*slot)());
    void addHeaderSeparator();
    // The IDs of the selected rows the model holds, in the rows' order.
    QList<qint64> heldSelectedIds() const;

    const DBDefaultColumns::ColumnSet* m_columnSet = nullptr;
    TextGetter m_table = nullptr;
    ListFollower* m_follower = nullptr;
};

// The table of one record kind: Base (BaseTable or a table built on it)
// over the kind's SQL table and its default column set.
template <class Base, DBDefaultColumns::TextGetter sqlTable>
class BaseRecordTable : public Base
{
public:
    explicit BaseRecordTable(SyncManager* syncManager, QWidget* parent = nullptr)
        : Base(syncManager, parent, sqlTable)
    {
    }
};

// A record table whose row menu also offers Select under the caption; the
// journal runs the command (onCommand).
template <QString (*sqlTable)(), QString (*caption)()>
class SelectRecordTable final : public BaseRecordTable<BaseTable, sqlTable>
{
public:
    using BaseRecordTable<BaseTable, sqlTable>::BaseRecordTable;

protected:
    void addMenuItems() override { this->addCommandItem(caption(), BaseTable::CommandSelect); }
};

// Two commands never share a number: equal numbers would be equal case
// labels here, and a command left out is a -Wswitch warning.
constexpr bool isTableCommand(BaseTable::Command id)
{
    switch (id) {
    case BaseTable::CommandAdd:
    case BaseTable::CommandEdit:
    case BaseTable::CommandDelete:
    case BaseTable::CommandAddWord:
    case BaseTable::CommandEditWord:
    case BaseTable::CommandDeleteWord:
    case BaseTable::CommandReload:
    case BaseTable::CommandFilter:
    case BaseTable::CommandRemoveFilter:
    case BaseTable::CommandResizeColumn:
    case BaseTable::CommandResizeAllColumns:
    case BaseTable::CommandSaveLayout:
    case BaseTable::CommandRestoreLayout:
    case BaseTable::CommandSetupColumns:
    case BaseTable::CommandSave:
    case BaseTable::CommandSelect:
    case BaseTable::CommandCopy:
    case BaseTable::CommandLoad:
    case BaseTable::CommandSpin:
    case BaseTable::CommandVisible:
    case BaseTable::CommandHidden:
    case BaseTable::CommandHomePage:
    case BaseTable::CommandLoginPage:
    case BaseTable::CommandRegistrationPage:
    case BaseTable::CommandUserPage:
        return true;
    }
    return false;
}
static_assert(isTableCommand(BaseTable::CommandAdd), "the command ids are distinct");

} // namespace Vexal
