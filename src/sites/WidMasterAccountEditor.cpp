#include "sites/WidMasterAccountEditor.h"

#include "core/Init.h"
#include "core/Logger.h"
#include "core/SyncManager.h"
#include "data/DBMasterAccount.h"
#include "sites/DlgCreateMasterAccount.h"
#include "sites/WidMasterAccountToolbar.h"
#include "widgets/WidPasswordEdit.h"
#include "texts/LocaleAccount.h"
#include "views/BaseTable.h"
#include "views/UtilDialog.h"

#include <QDateEdit>
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
    nameEdit = addNameField(LocaleAccount::name());
    addTextField(LocaleAccount::firstName(), &R::firstName, &R::setFirstName);
    addTextField(LocaleAccount::middleName(), &R::middleName, &R::setMiddleName);
    addTextField(LocaleAccount::lastName(), &R::lastName, &R::setLastName);
    addTextField(LocaleAccount::fullName(), &R::fullName, &R::setFullName);
    addTextField(LocaleAccount::screenName(), &R::screenName, &R::setScreenName);
    maleBox = new QCheckBox(m_body);
    addFieldRow(LocaleAccount::male(), maleBox);
    birthdayEdit = new QDateEdit(m_body);
    birthdayEdit->setCalendarPopup(true);
    birthdayEdit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    addFieldRow(LocaleAccount::birthday(), birthdayEdit);
    loginEdit = addTextField(LocaleAccount::login(), &R::login, &R::setLogin);
    passwordEdit = new WidPasswordEdit(m_body);
    addFieldRow(LocaleAccount::password(), passwordEdit);
    emailEdit = addTextField(LocaleAccount::email(), &R::email, &R::setEmail);
    addTextField(LocaleAccount::url(), &R::url, &R::setUrl, LocaleAccount::urlPrefix());
    addIntField(LocaleAccount::question(), &R::question, &R::setQuestion, 0, 99);
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

void WidMasterAccountEditor::fillWidgets(DBBase* record)
{
    BaseEditor::fillWidgets(record);
    if (auto* account = qobject_cast<DBMasterAccount*>(record)) {
        maleBox->setChecked(account->gender() != 0);
        birthdayEdit->setDate(account->birthday().isValid() ? account->birthday() : QDate::currentDate());
        passwordEdit->setScrambledText(account->password());
    }
}

void WidMasterAccountEditor::clearWidgets()
{
    BaseEditor::clearWidgets();
    maleBox->setChecked(true);
    birthdayEdit->setDate(QDate::currentDate());
    passwordEdit->setScrambledText(QString());
}

void WidMasterAccountEditor::storeWidgets(DBBase* record)
{
    BaseEditor::storeWidgets(record);
    if (auto* account = qobject_cast<DBMasterAccount*>(record)) {
        account->setGender(maleBox->isChecked() ? 1 : 0);
        account->setBirthday(birthdayEdit->date());
        account->setPassword(passwordEdit->scrambledText());
    }
}

void WidMasterAccountEditor::connectWidgets()
{
    BaseEditor::connectWidgets();
    m_connections << connect(maleBox, &QCheckBox::toggled, this, &BaseEditor::handleDirty);
    m_connections << connect(birthdayEdit, &QDateEdit::dateChanged, this, &BaseEditor::handleDirty);
    m_connections << connect(passwordEdit, &WidPasswordEdit::textChanged, this, &BaseEditor::handleDirty);
}

void WidMasterAccountEditor::disconnectWidgets()
{
    BaseEditor::disconnectWidgets();
    for (const QMetaObject::Connection& connection : qAsConst(m_connections))
        disconnect(connection);
    m_connections.clear();
}

void WidMasterAccountEditor::slotCreateAccount()
{
    Logger::setContext(QLatin1String(metaObject()->className()), LocaleAccount::createAccount());
    // The dialog fills and saves the account this page edits (a new one for
    // a new page).
    DBBase* record = loadRecord();
    if (!record) {
        reportInvalidObject(QStringLiteral("dbo"));
        return;
    }
    DlgCreateMasterAccount dialog(this);
    dialog.build(record);
    if (UtilDialog::exec(&dialog) != QDialog::Accepted)
        return;
    init()->setId(record->id());
    m_name = record->name();
    disconnectWidgets();
    fillWidgets(record);
    connectWidgets();
    setModified(false);
    m_syncManager->setEnabled(BaseTable::CommandSave, false);
    afterSave(record);
}

} // namespace Vexal
