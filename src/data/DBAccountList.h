#pragma once

#include "data/DBProjectListBase.h"
#include "data/DBTypedList.h"
#include "data/DBAccount.h"

namespace Vexal {

// The accounts of a project, or of a project on one website.
class DBAccountList final : public DBTypedList<DBAccount, DBProjectListBase>
{
    Q_OBJECT
public:
    DBAccountList(int projectId, int websiteId, QObject* parent = nullptr)
        : DBTypedList(projectId, &DBSql::colWebsiteID, websiteId, parent)
    {
    }
    explicit DBAccountList(int projectId, QObject* parent = nullptr)
        : DBTypedList(projectId, parent)
    {
    }

    int websiteId() const { return filterMode() == ModeKey ? key().toInt() : -1; }

protected:
    // A new account takes the list's project only: its website is set by
    // whoever fills it in.
    void fillNew(DBBase* record) const override { static_cast<DBAccount*>(record)->setProjectId(projectId()); }
};

} // namespace Vexal
