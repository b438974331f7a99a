#pragma once

#include "views/OptionsTabBase.h"

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace Vexal {

class WidPasswordEdit;

// One proxy (HTTP, SOCKS or FTP, by kind): on/off, credentials, address and
// port. The password column is handed to and taken from the password field
// in its stored, scrambled form.
class OptionsTabProxy final : public OptionsTabBase
{
    Q_OBJECT
public:
    enum Kind { Http = 0, Socks = 1, Ftp = 2 };

    explicit OptionsTabProxy(int kind, QWidget* parent = nullptr);

    int kind() const { return m_kind; }

    // The password field back to hidden.
    void hidePassword();

    QCheckBox* useProxyBox() const { return m_useProxy; }
    QLineEdit* loginEdit() const { return m_login; }
    WidPasswordEdit* passwordEdit() const { return m_password; }
    QLineEdit* addressEdit() const { return m_address; }
    QSpinBox* portBox() const { return m_port; }

protected:
    void createWidgets() override;

private:
    int m_kind;
    QCheckBox* m_useProxy = nullptr;
    QLineEdit* m_login = nullptr;
    WidPasswordEdit* m_password = nullptr;
    QLineEdit* m_address = nullptr;
    QSpinBox* m_port = nullptr;
};

} // namespace Vexal
