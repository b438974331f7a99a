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
    DBAccountList(int projectId, int websiteId, QObject* parent = nullptr);
    explicit DBAccountList(int projectId, QObject* parent = nullptr);

    QString whereText() const override;

    // The first account; on an empty list a new unsaved account of the list's
    // project (website not set), appended.
    DBAccount* firstOrCreate();

    int websiteId() const { return m_websiteId; }

private:
    int m_websiteId;
};

} // namespace Vexal
