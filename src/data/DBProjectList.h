#pragma once

#include "data/DBTypedList.h"
#include "data/DBProject.h"

namespace Vexal {

// All projects, or only the active ones.
class DBProjectList final : public DBTypedList<DBProject>
{
    Q_OBJECT
public:
    DBProjectList(bool activeOnly, QObject* parent = nullptr);
    explicit DBProjectList(QObject* parent = nullptr);

    QString whereText() const override;
    // The active projects by ID, so that the first of them is the current
    // one however the database reads them.
    QString orderText() const override;

    // The first project; on an empty list a new unsaved, inactive project
    // named "Default" that is appended to the list.
    DBProject* ensureDefault();

    bool activeOnly() const { return m_activeOnly; }

private:
    bool m_activeOnly;
};

} // namespace Vexal
