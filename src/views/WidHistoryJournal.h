#pragma once

#include "views/BaseJournalTree.h"

namespace Vexal {

class WidHistoryTable;
class WidHistoryTree;

// The history tab: the period tree beside the History table. Load opens the
// selected visit's address in a new focused tab.
class WidHistoryJournal final : public BaseJournalTree
{
    Q_OBJECT
public:
    explicit WidHistoryJournal(QWidget* parent = nullptr);

    QString title() const override;

    WidHistoryTable* historyTable() const;
    WidHistoryTree* historyTree() const;

public slots:
    void slotLoad();
    void handleTreeSelectionChanged() override;
    void slotSelectionChanged() override;

protected:
    void createToolbar() override;
    void connectToolbar() override;
    void createTable() override;
    void connectTable() override;
    QWidget* createEditor(QWidget* parent) override;
    void createTree() override;
};

} // namespace Vexal
