#pragma once

#include "data/DBListBase.h"

namespace Vexal {

// Base of the lists of records that belong to one project.
class DBProjectListBase : public DBListBase
{
    Q_OBJECT
public:
    explicit DBProjectListBase(int projectId, QObject* parent = nullptr);

    // "ProjectID = 7"
    QString whereText() const override;

    int projectId() const { return m_projectId; }
    void setProjectId(int projectId) { m_projectId = projectId; }

private:
    int m_projectId;
};

} // namespace Vexal
