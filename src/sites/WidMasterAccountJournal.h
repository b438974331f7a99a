#pragma once

#include "sites/BaseActiveJournal.h"
#include "sites/WidMasterAccountEditor.h"
#include "sites/WidMasterAccountTable.h"
#include "texts/LocaleAccount.h"

namespace Vexal {

// Makes the master account the only active one; false with the error text
// and the cause a user can act on ("" for none) when it cannot.
bool makeMasterAccountActive(qint64 id, QString* error, QString* cause);

// The master accounts journal. Select makes the selected master account the
// only active one.
class WidMasterAccountJournal final
    : public BaseActiveJournal<WidMasterAccountTable, WidMasterAccountEditor, &LocaleAccount::masterAccounts,
                               &LocaleAccount::select, &makeMasterAccountActive>
{
    Q_OBJECT
public:
    using BaseActiveJournal::BaseActiveJournal;
};

} // namespace Vexal
