#include "automation/submit/WidWebsiteNavigator.h"

#include "widgets/UtilGui.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleBaseWidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace Vexal {

WidWebsiteNavigator::WidWebsiteNavigator(QWidget* parent)
    : QWidget(parent)
{
}

QToolButton* WidWebsiteNavigator::button(Button which) const
{
    return m_buttons[which];
}

void WidWebsiteNavigator::create()
{
    if (m_buttons[Previous])
        return;
    m_buttons[Previous] = UtilGui::createToolButton(ConstIcon::previous(32), LocaleBaseWidget::previous(), this);
    m_buttons[HomePage] = UtilGui::createToolButton(ConstIcon::home(32), LocaleBaseWidget::homePage(), this);
    m_buttons[LoginPage] = UtilGui::createToolButton(ConstIcon::login(32), LocaleBaseWidget::loginPage(), this);
    m_buttons[RegistrationPage] =
        UtilGui::createToolButton(ConstIcon::registerIcon(32), LocaleBaseWidget::registrationPage(), this);
    m_buttons[UserPage] = UtilGui::createToolButton(ConstIcon::feather(32), LocaleBaseWidget::userPage(), this);
    m_buttons[Next] = UtilGui::createToolButton(ConstIcon::next(32), LocaleBaseWidget::next(), this);

    connect(m_buttons[Previous], &QToolButton::clicked, this, &WidWebsiteNavigator::onPrevious);
    connect(m_buttons[HomePage], &QToolButton::clicked, this, &WidWebsiteNavigator::onHomePage);
    connect(m_buttons[LoginPage], &QToolButton::clicked, this, &WidWebsiteNavigator::onLoginPage);
    connect(m_buttons[RegistrationPage], &QToolButton::clicked, this, &WidWebsiteNavigator::onRegistrationPage);
    connect(m_buttons[UserPage], &QToolButton::clicked, this, &WidWebsiteNavigator::onUserPage);
    connect(m_buttons[Next], &QToolButton::clicked, this, &WidWebsiteNavigator::onNext);

    QHBoxLayout* layout = UtilGui::createHBoxLayout(this, 2, 2);
    layout->addStretch();
    layout->addWidget(m_buttons[Previous]);
    layout->addWidget(UtilGui::createSeparator(this));
    layout->addWidget(m_buttons[HomePage]);
    layout->addWidget(m_buttons[LoginPage]);
    layout->addWidget(m_buttons[RegistrationPage]);
    layout->addWidget(m_buttons[UserPage]);
    layout->addWidget(UtilGui::createSeparator(this));
    layout->addWidget(m_buttons[Next]);
    layout->addStretch();
}

} // namespace Vexal
