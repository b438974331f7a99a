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
    explicit DBProjectListBase(qint64 projectId, QObject* parent = nullptr)
        : DBOwnedListBase(&DBSql::colProjectID, projectId, parent)
    {
    }
    DBProjectListBase(qint64 projectId, DBField::Column ownerColumn, qint64 ownerId, QObject* parent)
        : DBOwnedListBase(&DBSql::colProjectID, projectId, ownerColumn, ownerId, parent)
    {
    }

    qint64 projectId() const { return ownerId(); }
    void setProjectId(qint64 projectId) { setOwnerId(projectId); }
};

} // namespace Vexal
