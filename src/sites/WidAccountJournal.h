#pragma once

#include "sites/WidAccountEditor.h"
#include "sites/WidAccountTable.h"
#include "texts/LocaleAccount.h"
#include "views/BaseJournal.h"
#include "views/BaseRecordJournal.h"

namespace Vexal {

// The accounts journal.
class WidAccountJournal final
    : public BaseRecordJournal<BaseJournal, WidAccountTable, WidAccountEditor, &LocaleAccount::accounts>
{
    Q_OBJECT
public:
    using BaseRecordJournal::BaseRecordJournal;
};

} // namespace Vexal
