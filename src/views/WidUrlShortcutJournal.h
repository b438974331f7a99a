#pragma once

#include "views/BaseJournal.h"

namespace Vexal {

class DBUrlShortcut;
class WidUrlShortcutTable;

// Lists the URL shortcuts and adds and edits them through DlgUrlShortcut.
// Every change is stored at once and refreshes the cached shortcuts that the
// location bar resolves.
class WidUrlShortcutJournal final : public BaseJournal
{
    Q_OBJECT
public:
    explicit WidUrlShortcutJournal(QWidget* parent = nullptr);

public slots:
    void slotAdd() override;
    void slotEdit() override;
    void slotDelete() override;

protected:
    void createTable() override;

private:
    // Runs the dialog on the record's values; accepted: stores them. False
    // when cancelled or the save failed (reported).
    bool runDialog(DBUrlShortcut* record, bool fill);
};

} // namespace Vexal
