#pragma once

#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleMessage.h"
#include "views/BaseJournal.h"
#include "views/BaseRecordJournal.h"
#include "views/BaseTable.h"

namespace Vexal {

// The journal of a kind of which one row is the active one (the current
// project, the master account in use): Select, on the tool bar and in the
// row menu, makes the selected row the only active one. makeActive does so,
// or gives its error text, which is logged; the user reads that it failed.
template <class Table, class Editor, QString (*kindTitle)(), QString (*selectText)(),
          bool (*makeActive)(qint64 id, QString* error)>
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
        if (!makeActive(id, &error)) {
            Logger::error(error);
            UtilSignalManager::instance()->emitError(LocaleMessage::unexpectedError());
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
