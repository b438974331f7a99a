#pragma once

#include "core/DBSql.h"
#include "texts/LocaleAccount.h"
#include "views/BaseTable.h"

namespace Vexal {

// The master accounts, with the row-menu entry Select (makes the row the
// active master account).
using WidMasterAccountTable = SelectRecordTable<&DBSql::tableMasterAccount, &LocaleAccount::select>;

} // namespace Vexal
