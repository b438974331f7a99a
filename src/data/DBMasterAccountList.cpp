#include "data/DBMasterAccountList.h"

#include "data/DBMasterAccount.h"
#include "core/DBSql.h"

namespace Vexal {

DBMasterAccountList::DBMasterAccountList(bool activeOnly, QObject* parent)
    : DBListBase(parent)
{
    setPrototype(new DBMasterAccount(this));
    setFilterMode(activeOnly ? 1 : 0);
}

QString DBMasterAccountList::whereText() const
{
    if (filterMode() == 1)
        return QStringLiteral("%1 = 1").arg(DBSql::colActive());
    return DBListBase::whereText();
}

DBMasterAccount* DBMasterAccountList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<DBMasterAccount*>(DBListBase::at(index));
}

DBMasterAccount* DBMasterAccountList::findById(int id) const
{
    for (DBBase* record : records()) {
        if (record && record->id() == id)
            return qobject_cast<DBMasterAccount*>(record);
    }
    return nullptr;
}

DBMasterAccount* DBMasterAccountList::firstOrCreate()
{
    if (count() > 0)
        return at(0);
    auto* account = new DBMasterAccount(this);
    append(account);
    return account;
}

} // namespace Vexal
