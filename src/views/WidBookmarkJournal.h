#pragma once

#include "texts/LocaleBookmark.h"
#include "views/BaseJournal.h"
#include "views/BaseRecordJournal.h"
#include "views/WidBookmarkEditor.h"
#include "views/WidBookmarkTable.h"

namespace Vexal {

// The bookmarks tab. Load opens the selected bookmark in a new focused tab;
// Visible and Hidden switch the selected rows (after Select All, every row
// it lists) in or out of the Bookmarks menu, in one statement. Every change
// ends with a rebuild of that menu.
class WidBookmarkJournal final
    : public BaseRecordJournal<BaseJournal, WidBookmarkTable, WidBookmarkEditor, &LocaleBookmark::bookmarks>
{
    Q_OBJECT
public:
    using BaseRecordJournal::BaseRecordJournal;

    WidBookmarkTable* bookmarkTable() const { return recordTable(); }

public slots:
    void slotDelete() override;
    void slotLoad();
    void slotVisible();
    void slotHidden();
    void slotSelectionChanged() override;

protected:
    void createToolbar() override;
    void connectToolbar() override;
    void connectTable() override;

private:
    void switchVisible(const QString& action, bool visible);
};

} // namespace Vexal
