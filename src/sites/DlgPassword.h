#pragma once

#include "widgets/DlgBase.h"

class QLabel;
class QLineEdit;

namespace Vexal {

// A small password prompt with an optional read-only information row.
class DlgPassword : public DlgBase
{
    Q_OBJECT
public:
    explicit DlgPassword(QWidget* parent = nullptr);

    // Shows the information row with this label and value.
    void setInfo(const QString& label, const QString& value);
    QString password() const;

protected:
    void createWidgets() override;

    QLabel* infoLabel = nullptr;
    QLineEdit* infoEdit = nullptr;
    QLabel* passwordLabel = nullptr;
    QLineEdit* passwordEdit = nullptr;
};

} // namespace Vexal
