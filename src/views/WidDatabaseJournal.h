#pragma once

#include "views/BaseJournalTree.h"

namespace Vexal {

class WidDatabaseTable;
class WidDatabaseTree;

// Browses the tables of the database read-only: the tree names the tables,
// the table shows the chosen one whole. Only Reload is offered; the record
// commands do nothing.
class WidDatabaseJournal final : public BaseJournalTree
{
    Q_OBJECT
public:
    explicit WidDatabaseJournal(QWidget* parent = nullptr);

    QString title() const override;

    WidDatabaseTable* databaseTableWidget() const { return m_databaseTable; }
    WidDatabaseTree* databaseTreeWidget() const { return m_databaseTree; }

public slots:
    void slotAdd() override;
    void slotEdit() override;
    void slotDelete() override;
    void slotFilter() override;
    void slotRemoveFilter() override;
    void slotSelectionChanged() override;
    void handleTreeSelectionChanged() override;

protected:
    void createTable() override;
    void createTree() override;

private:
    WidDatabaseTable* m_databaseTable = nullptr;
    WidDatabaseTree* m_databaseTree = nullptr;
};

} // namespace Vexal
