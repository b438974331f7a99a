#pragma once

#include "data/DBListBase.h"

namespace Vexal {

class DBProject;

// All projects, or only the active ones.
class DBProjectList : public DBListBase
{
    Q_OBJECT
public:
    DBProjectList(bool activeOnly, QObject* parent = nullptr);
    explicit DBProjectList(QObject* parent = nullptr);

    QString whereText() const override;

    // The project at a valid index (null when the record there is not a project).
    DBProject* at(int index) const;
    // The first project; on an empty list a new unsaved, inactive project
    // named "Default" that is appended to the list.
    DBProject* ensureDefault();

    bool activeOnly() const { return m_activeOnly; }

private:
    bool m_activeOnly;
};

} // namespace Vexal
