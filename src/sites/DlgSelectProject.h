#pragma once

#include "widgets/DlgBase.h"

class QLineEdit;

namespace Vexal {

class WidProjectComboBox;

// Chooses the current project. Accepting makes the chosen project the only
// active one; a failed switch is named with its cause in a message box in
// front of the dialog, which stays open on the choice. A chooser that could
// not be read is read again at OK.
class DlgSelectProject final : public DlgBase
{
    Q_OBJECT
public:
    using DlgBase::DlgBase;

    // -1 when the chooser is empty.
    qint64 projectId() const;
    void setProjectId(qint64 id);

    // Makes the project the only active one in one transaction, copies it
    // into the cache, then emits the hub's onUpdateProject. An id that names
    // no project changes nothing and returns false (errorText tells why, and
    // cause what a user can act on, when there is such a cause).
    static bool switchToProject(qint64 id, QString* errorText = nullptr, QString* cause = nullptr);

public slots:
    void slotAccept() override;

protected:
    void createWidgets() override;

    WidProjectComboBox* m_projectCombo = nullptr;
    QLineEdit* m_activeEdit = nullptr;
};

} // namespace Vexal
