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
    DBAccountList(qint64 projectId, qint64 websiteId, QObject* parent = nullptr)
        : DBTypedList(projectId, &DBSql::colWebsiteID, websiteId, parent)
    {
    }
    explicit DBAccountList(qint64 projectId, QObject* parent = nullptr)
        : DBTypedList(projectId, parent)
    {
    }

    qint64 websiteId() const { return filterMode() == ModeKey ? key().toLongLong() : -1; }

protected:
    // A new account takes the list's project only: its website is set by
    // whoever fills it in.
    void fillNew(DBBase* record) const override { static_cast<DBAccount*>(record)->setProjectId(projectId()); }
};

} // namespace Vexal
