#pragma once

#include "data/DBBase.h"

namespace Vexal {

// Base of the records that belong to a project: "ProjectID" stands at query
// position 3, and a record without a project (-1) is never written.
class DBProjectBase : public DBBase
{
    Q_OBJECT
public:
    explicit DBProjectBase(QObject* parent = nullptr);

    bool isValid() override;
    const DBFields& fields() const override;

    qint64 projectId() const { return m_projectId; }
    void setProjectId(qint64 projectId) { change(m_projectId, projectId); }

protected:
    // The base fields and ProjectID, with which every project kind's table starts.
    static const DBFields& projectFields();
    // "ID", "Name", "Comments", "ProjectID".
    static QStringList projectColumns();

    qint64 m_projectId = -1;
};

} // namespace Vexal
