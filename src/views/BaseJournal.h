#pragma once

#include "shell/BaseTab.h"
#include "views/BaseJournalToolbar.h"

#include <QStringList>
#include <QWidget>

class QVBoxLayout;

namespace Vexal {

class BaseTable;
class RecordChanges;
class DBBase;
class DBListBase;
class DBPageRecord;
class Init;
class SyncManager;

// The list tab of one data area: a tool bar above a record table. It answers
// Add, Edit, Delete, Filter, Remove Filter, Reload and Select All from its
// tool bar, the table's menus and the main window (BaseTab). Add and Edit
// open the area's editor as a new focused tab; Delete asks, then deletes the
// selected rows (after Select All, every row the journal lists) from the
// area's SQL table in one statement.
//
// A data area's journal names its table and editor and nothing else:
//
//     void createTable() override { installTable(new WidProjectTable(syncManager, this)); }
//     QWidget* createEditor(QWidget* parent) override { return new WidProjectEditor(parent); }
//
// Commands of its own: on the tool bar and the table's menu
// (toolbarCommands/runCommand, or a bar of its own in
// createToolbar/connectToolbar and the table's signals in connectTable) and
// slotSelectionChanged. A command on the chosen rows acts through the
// table's selectedRowsCondition, in one statement whatever their number
// (never a text of every ID, nor every record held). A command that stores
// rows ends with showOwnWrites(): the journal shows them as it shows what is
// stored elsewhere (the record news), before the command returns.
class BaseJournal : public QWidget, public BaseTab
{
    Q_OBJECT
public:
    explicit BaseJournal(QWidget* parent = nullptr);

    void setInit(QObject* init) override;
    void open() override;
    void reload() override;
    void add() override;
    void edit() override;
    void remove() override;
    void selectAll() override;

    SyncManager* syncManagerObject() const { return m_syncManager; }
    BaseJournalToolbar* toolbarWidget() const { return m_toolbar; }
    BaseTable* tableWidget() const { return m_table; }

    void reportInvalidObject(const QString& name) const;
    void reportListError(const DBListBase* list) const;
    void reportRecordError(const DBBase* record) const;

public slots:
    virtual void slotAdd();
    virtual void slotEdit();
    virtual void slotDelete();
    virtual void slotFilter();
    virtual void slotRemoveFilter();
    virtual void slotReload();
    virtual void slotSelectionChanged();

protected:
    // The box layout, createToolbar, connectToolbar, createTable, connectTable.
    virtual void create();
    virtual void createToolbar();
    virtual void connectToolbar();
    virtual void createTable();
    virtual void connectTable();
    // The area's editor page (parent given), or null.
    virtual QWidget* createEditor(QWidget* parent);
    // Start parameters preset for a new record, or null.
    virtual Init* createInit(QObject* parent);
    // Whether Add is offered; always, unless the area needs a choice first.
    virtual bool canAdd() const;
    // The area's own commands on the journal bar, enabled with a selected
    // row; a click on the bar or on the table's menu entry of that id runs
    // runCommand with it.
    virtual QList<BaseJournalToolbar::Command> toolbarCommands() const;
    virtual void runCommand(int id);

    // Builds the table made by createTable and puts it in its place (the box
    // layout here, the splitter in a tree journal); it becomes `m_table`.
    void installTable(BaseTable* value);
    virtual void placeTable(BaseTable* value);
    // Opens an editor page in a new focused tab; false (reported with the
    // given object names) when there is no tab manager or no page.
    bool openEditor(Init* init, const QString& managerName, const QString& pageName);
    // Sets the logger context; false when the command is disabled.
    bool startCommand(const QString& action, int commandId);
    // Sets the logger context, then the table commands by the selection:
    // Add, Edit, Delete, Filter, Remove Filter, `rowCommands` (enabled with a
    // selection), Reload. Without a selection model it reports `modelName`.
    void updateCommands(const QString& action, const QString& modelName, const QList<int>& rowCommands = {});
    // Loads the selected row into `page` and opens its address in a new
    // focused tab; nothing without a selection, reported when it fails to load.
    void openSelectedPage(DBPageRecord* page);

    // Delete acts on the rows of the table's selectedRowsCondition (after
    // Select All: every row the journal lists, fetched or not). The steps an
    // area may change:
    // false refuses the delete, after telling the user why (nothing is asked);
    virtual bool mayDelete(const QString& condition);
    // the question asked before `count` rows go;
    virtual QString deleteQuestion(const QString& condition, int count);
    // deletes them (and what goes with them) from the area's SQL table; false
    // leaves the error in the list and the database as it was.
    virtual bool deleteRows(const QString& condition, DBListBase* list);

    // Shows what a command of the journal stored, the one way a journal
    // shows its own writes: the record news of the commit are delivered now
    // rather than at the window's next turn, to every open list, and the
    // table takes them in even when it is not shown, keeping the selection
    // and place. Written rows that wait for a job's lock come with their
    // news later. (The user's Reload reads the list anew instead.)
    void showOwnWrites();

    // One number from a query (COUNT and the like); -1 when the database
    // fails, which is reported.
    static int queryNumber(const QString& text);
    // The rows of `table` that satisfy the condition; -1 on failure (reported).
    static int countRows(const QString& table, const QString& condition);
    // Runs the statements in order as one transaction: all or nothing.
    static bool execAll(const QStringList& statements, DBListBase* list);

private slots:
    // A select (reload, filter, sort) drops the selection without a
    // selectionChanged signal: the commands follow it, under the context of
    // the command that selected.
    void handleModelReset();
    // Rows were stored: the table brings in those it lists, keeping the
    // user's selection and place (BaseTable::showChanges).
    void handleRecordsChanged(const RecordChanges& changes);

protected:

    QVBoxLayout* m_boxLayout = nullptr;
    SyncManager* m_syncManager = nullptr;
    BaseJournalToolbar* m_toolbar = nullptr;
    BaseTable* m_table = nullptr;
    // The ids of toolbarCommands.
    QList<int> m_rowCommands;

private:
    // Within showOwnWrites.
    bool m_showingOwnWrites = false;
};

} // namespace Vexal
