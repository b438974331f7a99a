#pragma once

#include "views/BaseEditor.h"

namespace Vexal {

// A master account: the identity, login, scrambled password and contact
// fields. Create Account fills the account with a random identity (the
// create dialog) and saves it; the page then edits that account.
class WidMasterAccountEditor final : public BaseEditor
{
    Q_OBJECT
public:
    explicit WidMasterAccountEditor(QWidget* parent = nullptr);

    QLineEdit* loginEdit = nullptr;
    QLineEdit* emailEdit = nullptr;
    QCheckBox* maleBox = nullptr;
    QDateEdit* birthdayEdit = nullptr;
    WidPasswordEdit* passwordEdit = nullptr;

public slots:
    void slotCreateAccount();

protected:
    void createToolbar() override;
    void connectToolbar() override;
    void createWidgets() override;
};

} // namespace Vexal
