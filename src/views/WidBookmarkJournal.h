#pragma once

#include "views/BaseJournal.h"

namespace Vexal {

class WidBookmarkTable;

// The bookmarks tab. Load opens the selected bookmark in a new focused tab;
// Visible and Hidden switch the selected rows in or out of the Bookmarks
// menu. Every change ends with a rebuild of that menu.
class WidBookmarkJournal final : public BaseJournal
{
    Q_OBJECT
public:
    explicit WidBookmarkJournal(QWidget* parent = nullptr);

    QString title() const override;

    WidBookmarkTable* bookmarkTable() const;

public slots:
    void slotDelete() override;
    void slotLoad();
    void slotVisible();
    void slotHidden();
    void slotSelectionChanged() override;

protected:
    void createToolbar() override;
    void connectToolbar() override;
    void createTable() override;
    void connectTable() override;
    QWidget* createEditor(QWidget* parent) override;

private:
    void switchVisible(const QString& action, bool visible);
};

} // namespace Vexal
