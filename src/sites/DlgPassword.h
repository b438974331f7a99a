#pragma once

#include "widgets/DlgBase.h"

class QLabel;
class QLineEdit;

namespace Vexal {

// A small password prompt with an optional read-only information row.
class DlgPassword final : public DlgBase
{
    Q_OBJECT
public:
    using DlgBase::DlgBase;

    // Shows the information row with this label and value.
    void setInfo(const QString& label, const QString& value);
    QString password() const;

protected:
    void createWidgets() override;

    QLabel* m_infoLabel = nullptr;
    QLineEdit* m_infoEdit = nullptr;
    QLabel* m_passwordLabel = nullptr;
    QLineEdit* m_passwordEdit = nullptr;
};

} // namespace Vexal
