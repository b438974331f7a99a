#include "sites/WidMasterAccountEditor.h"

#include "core/Logger.h"
#include "data/DBMasterAccount.h"
#include "sites/DlgCreateMasterAccount.h"
#include "sites/WidMasterAccountToolbar.h"
#include "texts/LocaleAccount.h"
#include "views/UtilDialog.h"

#include <QSpinBox>
#include <QVBoxLayout>

namespace Vexal {

WidMasterAccountEditor::WidMasterAccountEditor(QWidget* parent)
    : BaseEditor(parent, kind<DBMasterAccount>(LocaleAccount::masterAccount))
{
}

void WidMasterAccountEditor::createToolbar()
{
    m_toolbar = new WidMasterAccountToolbar(m_syncManager, this);
    m_toolbar->build();
    m_boxLayout->addWidget(m_toolbar);
}

void WidMasterAccountEditor::connectToolbar()
{
    BaseEditor::connectToolbar();
    connect(static_cast<WidMasterAccountToolbar*>(m_toolbar), &WidMasterAccountToolbar::onCreateAccount, this,
            &WidMasterAccountEditor::slotCreateAccount);
}

void WidMasterAccountEditor::createWidgets()
{
    using R = DBMasterAccount;
    addNameField(LocaleAccount::name());
    addTextField(LocaleAccount::firstName(), &R::firstName, &R::setFirstName);
    addTextField(LocaleAccount::middleName(), &R::middleName, &R::setMiddleName);
    addTextField(LocaleAccount::lastName(), &R::lastName, &R::setLastName);
    addTextField(LocaleAccount::fullName(), &R::fullName, &R::setFullName);
    addTextField(LocaleAccount::screenName(), &R::screenName, &R::setScreenName);
    maleBox = addBoolField(LocaleAccount::male(), &R::gender, &R::setGender, true);
    birthdayEdit = addDateField(LocaleAccount::birthday(), &R::birthday, &R::setBirthday);
    loginEdit = addTextField(LocaleAccount::login(), &R::login, &R::setLogin);
    passwordEdit = addPasswordField(LocaleAccount::password(), &R::password, &R::setPassword);
    emailEdit = addTextField(LocaleAccount::email(), &R::email, &R::setEmail);
    addTextField(LocaleAccount::url(), &R::url, &R::setUrl, LocaleAccount::urlPrefix());
    // The number shows its question's text: the one a box to write the
    // question into takes, which the answer below answers.
    QSpinBox* question = addIntField(LocaleAccount::question(), &R::question, &R::setQuestion, 0, 99);
    const auto showQuestion = [question](int number) {
        const QString text = LocaleAccount::securityQuestion(number);
        question->setSuffix(text.isEmpty() ? QString() : QStringLiteral(" - ") + text);
    };
    connect(question, QOverload<int>::of(&QSpinBox::valueChanged), question, showQuestion);
    showQuestion(question->value());
    addTextField(LocaleAccount::answer(), &R::answer, &R::setAnswer);
    addTextField(LocaleAccount::country(), &R::country, &R::setCountry);
    addTextField(LocaleAccount::city(), &R::city, &R::setCity);
    addTextField(LocaleAccount::province(), &R::province, &R::setProvince);
    addTextField(LocaleAccount::address(), &R::address, &R::setAddress);
    addTextField(LocaleAccount::details(), &R::details, &R::setDetails);
    addTextField(LocaleAccount::zipCode(), &R::zipCode, &R::setZipCode);
    addTextField(LocaleAccount::phone(), &R::phone, &R::setPhone);
    addTextField(LocaleAccount::fax(), &R::fax, &R::setFax);
    addCommentsField(LocaleAccount::comments());
    finishForm();
}

void WidMasterAccountEditor::slotCreateAccount()
{
    Logger::setContext(QLatin1String(metaObject()->className()), LocaleAccount::createAccount());
    // The dialog fills and saves the account this page edits (a new one for
    // a new page).
    DBBase* record = loadRecord();
    if (!record)
        return;
    DlgCreateMasterAccount dialog(this);
    dialog.build(record);
    if (UtilDialog::exec(&dialog) != QDialog::Accepted)
        return;
    showSaved(record);
}

} // namespace Vexal
