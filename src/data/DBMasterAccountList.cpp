#include "data/DBMasterAccountList.h"

#include "data/DBMasterAccount.h"
#include "core/DBSql.h"

namespace Vexal {

DBMasterAccountList::DBMasterAccountList(bool activeOnly, QObject* parent)
    : DBTypedList(parent)
{
    setFilterMode(activeOnly ? 1 : 0);
}

QString DBMasterAccountList::whereText() const
{
    if (filterMode() == 1)
        return QStringLiteral("%1 = 1").arg(DBSql::colActive());
    return DBListBase::whereText();
}

} // namespace Vexal
