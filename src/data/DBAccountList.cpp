#include "data/DBAccountList.h"

#include "data/DBAccount.h"
#include "core/DBSql.h"

namespace Vexal {

DBAccountList::DBAccountList(int projectId, int websiteId, QObject* parent)
    : DBProjectListBase(projectId, parent)
    , m_websiteId(websiteId)
{
    setPrototype(new DBAccount(this));
    setFilterMode(1);
}

DBAccountList::DBAccountList(int projectId, QObject* parent)
    : DBProjectListBase(projectId, parent)
    , m_websiteId(-1)
{
    setPrototype(new DBAccount(this));
    setFilterMode(0);
}

QString DBAccountList::whereText() const
{
    if (filterMode() == 1)
        return QStringLiteral("%1 = %2 AND %3 = %4")
            .arg(DBSql::colProjectID())
            .arg(projectId())
            .arg(DBSql::colWebsiteID())
            .arg(m_websiteId);
    return DBProjectListBase::whereText();
}

DBAccount* DBAccountList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<DBAccount*>(DBListBase::at(index));
}

DBAccount* DBAccountList::findById(int id) const
{
    for (DBBase* record : records()) {
        if (record && record->id() == id)
            return qobject_cast<DBAccount*>(record);
    }
    return nullptr;
}

DBAccount* DBAccountList::firstOrCreate()
{
    if (count() > 0)
        return at(0);
    auto* account = new DBAccount(this);
    account->setProjectId(projectId());
    append(account);
    return account;
}

} // namespace Vexal
