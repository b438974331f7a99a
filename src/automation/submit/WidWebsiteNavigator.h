#pragma once

#include <QWidget>

class QToolButton;

namespace Vexal {

// The row of page buttons under a submitter panel's choosers: Previous, the
// website's Home, Login, Registration and User pages, Next. The constructor
// builds nothing; create() lays the buttons out.
class WidWebsiteNavigator final : public QWidget
{
    Q_OBJECT
public:
    enum Button { Previous = 0, HomePage, LoginPage, RegistrationPage, UserPage, Next };

    explicit WidWebsiteNavigator(QWidget* parent = nullptr);

    void create();
    // Null before create().
    QToolButton* button(Button which) const;

signals:
    void onPrevious();
    void onHomePage();
    void onLoginPage();
    void onRegistrationPage();
    void onUserPage();
    void onNext();

private:
    QToolButton* m_buttons[6] = {};
};

} // namespace Vexal
