#pragma once

#include "core/DBSql.h"
#include "data/DBOwnedListBase.h"

namespace Vexal {

// Base of the lists of records that belong to one project ("ProjectID = 7"),
// or to one project and one row of another table ("ProjectID = 7 AND
// ArticleID = 2").
class DBProjectListBase : public DBOwnedListBase
{
    Q_OBJECT
public:
    explicit DBProjectListBase(int projectId, QObject* parent = nullptr)
        : DBOwnedListBase(&DBSql::colProjectID, projectId, parent)
    {
    }
    DBProjectListBase(int projectId, DBField::Column ownerColumn, int ownerId, QObject* parent)
        : DBOwnedListBase(&DBSql::colProjectID, projectId, ownerColumn, ownerId, parent)
    {
    }

    int projectId() const { return ownerId(); }
    void setProjectId(int projectId) { setOwnerId(projectId); }
};

} // namespace Vexal
