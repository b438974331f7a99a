#pragma once

#include "texts/ConstIcon.h"
#include "views/BaseJournal.h"
#include "views/BaseRecordJournal.h"
#include "views/BaseTable.h"
#include "views/UtilReport.h"

namespace Vexal {

// The journal of a kind of which one row is the active one (the current
// project, the master account in use): Select, on the tool bar and in the
// row menu, makes the selected row the only active one. makeActive does so,
// or gives its error text, which is logged, and the cause, which the user
// reads with the failure.
template <class Table, class Editor, QString (*kindTitle)(), QString (*selectText)(),
          bool (*makeActive)(qint64 id, QString* error, QString* cause)>
class BaseActiveJournal : public BaseRecordJournal<BaseJournal, Table, Editor, kindTitle>
{
public:
    using BaseRecordJournal<BaseJournal, Table, Editor, kindTitle>::BaseRecordJournal;

    void slotSelect()
    {
        if (!this->startCommand(selectText(), BaseTable::CommandSelect))
            return;
        const qint64 id = this->m_table->selectedId();
        if (id == -1)
            return;
        QString error;
        QString cause;
        if (!makeActive(id, &error, &cause)) {
            UtilReport::error(error, cause);
            return;
        }
        this->showOwnWrites();
    }

protected:
    QList<BaseJournalToolbar::Command> toolbarCommands() const override
    {
        return {{ConstIcon::check(32), selectText(), BaseTable::CommandSelect}};
    }
    void runCommand(int) override { slotSelect(); }
};

} // namespace Vexal
