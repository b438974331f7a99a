#pragma once

#include "texts/LocaleHistory.h"
#include "views/BaseJournalTree.h"
#include "views/BaseRecordJournal.h"
#include "views/WidHistoryEditor.h"
#include "views/WidHistoryTable.h"

namespace Vexal {

class WidHistoryTree;

// The history tab: the period tree beside the History table. Load opens the
// selected visit's address in a new focused tab.
class WidHistoryJournal final
    : public BaseRecordJournal<BaseJournalTree, WidHistoryTable, WidHistoryEditor, &LocaleHistory::history>
{
    Q_OBJECT
public:
    using BaseRecordJournal::BaseRecordJournal;

    WidHistoryTable* historyTable() const { return recordTable(); }
    WidHistoryTree* historyTree() const;

public slots:
    void slotLoad();
    void handleTreeSelectionChanged() override;
    void slotSelectionChanged() override;

protected:
    void createToolbar() override;
    void connectToolbar() override;
    void connectTable() override;
    void createTree() override;
};

} // namespace Vexal
