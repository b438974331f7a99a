#pragma once

#include "sites/WidMasterAccountEditor.h"
#include "sites/WidMasterAccountTable.h"
#include "texts/LocaleAccount.h"
#include "views/BaseJournal.h"
#include "views/BaseRecordJournal.h"

namespace Vexal {

// The master accounts journal. Select makes the selected master account the
// only active one.
class WidMasterAccountJournal final : public BaseRecordJournal<BaseJournal, WidMasterAccountTable,
                                                               WidMasterAccountEditor, &LocaleAccount::masterAccounts>
{
    Q_OBJECT
public:
    using BaseRecordJournal::BaseRecordJournal;

public slots:
    void slotSelect();

protected:
    QList<BaseJournalToolbar::Command> toolbarCommands() const override;
    void runCommand(int id) override;
};

} // namespace Vexal
