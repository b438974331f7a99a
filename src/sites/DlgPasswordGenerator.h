#pragma once

#include "widgets/DlgBase.h"

class QLineEdit;
class QPushButton;

namespace Vexal {

// Shows a new strong password; "Create and Copy" makes another and puts it on
// the clipboard.
class DlgPasswordGenerator final : public DlgBase
{
    Q_OBJECT
public:
    static constexpr int passwordLength = 12;

    explicit DlgPasswordGenerator(QWidget* parent = nullptr);

    QString password() const;
    // At least one lower-case letter, upper-case letter, digit and sign, drawn
    // from the system's random source; length at least 4.
    static QString createPassword(int length = passwordLength);

public slots:
    void slotCreateAndCopy();

protected:
    void createWidgets() override;
    void createButtons() override;

    QLineEdit* m_passwordEdit = nullptr;
    QPushButton* m_createButton = nullptr;
};

} // namespace Vexal
