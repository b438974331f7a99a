#pragma once

#include "views/BaseEditor.h"

class QDateEdit;

namespace Vexal {

class WidPasswordEdit;

// A master account: the identity, login, scrambled password and contact
// fields. Create Account fills the account with a random identity (the
// create dialog) and saves it; the page then edits that account.
class WidMasterAccountEditor final : public BaseEditor
{
    Q_OBJECT
public:
    explicit WidMasterAccountEditor(QWidget* parent = nullptr);


    QLineEdit* nameEdit = nullptr;
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
    void fillWidgets(DBBase* record) override;
    void clearWidgets() override;
    void storeWidgets(DBBase* record) override;
    void connectWidgets() override;
    void disconnectWidgets() override;

private:
    QList<QMetaObject::Connection> m_connections;
};

} // namespace Vexal
