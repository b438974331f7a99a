#include "automation/ExtRegistrationSubmitter.h"

#include "automation/DelegateRegistrationSubmitter.h"
#include "automation/LocaleSubmitter.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBAccount.h"
#include "data/DBCache.h"
#include "data/DBMasterAccount.h"
#include "data/DBQueryManager.h"
#include "data/DBWebsite.h"
#include "widgets/UtilGui.h"
#include "shell/WidWebTab.h"
#include "shell/WidWebView.h"
#include "sites/WidMasterAccountComboBox.h"
#include "sites/WidWebsiteComboBox.h"
#include "sites/WidWebsiteTypeComboBox.h"
#include "texts/LocaleAccount.h"
#include "texts/LocaleBaseWidget.h"

#include <QLabel>

namespace Vexal {

ExtRegistrationSubmitter::ExtRegistrationSubmitter(QWidget* parent)
    : BaseSubmitter(parent)
{
}

QString ExtRegistrationSubmitter::caption() const
{
    return LocaleSubmitter::registrationSubmitter();
}

void ExtRegistrationSubmitter::createChoosers()
{
    BaseSubmitter::createChoosers();
    m_masterAccountBox = new WidMasterAccountComboBox(body());
    addRecordChooser(LocaleAccount::masterAccount(), m_masterAccountBox);
}

void ExtRegistrationSubmitter::fillFieldList()
{
    addDragItems(fieldCaptions());
}

QStringList ExtRegistrationSubmitter::fieldCaptions()
{
    return {LocaleAccount::firstName(), LocaleAccount::middleName(), LocaleAccount::lastName(),
            LocaleAccount::fullName(),  LocaleAccount::login(),      LocaleAccount::password(),
            LocaleAccount::email(),     LocaleAccount::url(),        LocaleAccount::answer(),
            LocaleAccount::country(),   LocaleAccount::city(),       LocaleAccount::province(),
            LocaleAccount::address(),   LocaleAccount::details(),    LocaleAccount::zipCode(),
            LocaleAccount::phone(),     LocaleAccount::fax()};
}

QStringList ExtRegistrationSubmitter::fieldValues(const DBMasterAccount& account)
{
    return {account.firstName(), account.middleName(), account.lastName(), account.fullName(),
            account.login(),     account.decryptedPassword(), account.email(), account.url(),
            account.answer(),    account.country(),     account.city(),    account.province(),
            account.address(),   account.details(),     account.zipCode(), account.phone(),
            account.fax()};
}

void ExtRegistrationSubmitter::loadItems()
{
    m_masterAccountBox->reload();
}

void ExtRegistrationSubmitter::fillValues()
{
    DBMasterAccount account;
    if (loadChosen(m_masterAccountBox, &account))
        setDragValues(fieldValues(account));
}

void ExtRegistrationSubmitter::slotSubmit()
{
    if (!startSubmit({m_masterAccountBox}))
        return;
    if (websiteBox()->hasSelection())
        slotSaveAccount();
    DelegateRegistrationSubmitter delegate(webView(), this);
    delegate.submit(m_masterAccountBox->currentId(), websiteBox()->currentId());
}

void ExtRegistrationSubmitter::slotSaveAccount()
{
    DBMasterAccount master;
    DBWebsite website;
    if (!loadReported(&master, m_masterAccountBox->currentId()) || !loadReported(&website, websiteBox()->currentId()))
        return;
    // An account for the website in any project means none is added.
    DBQueryManager query;
    if (query.findAccountId(website.id()))
        return;
    if (query.lastFailed()) {
        // Not knowing whether one exists is no reason to add a second one.
        Logger::error(query.errorText());
        UtilSignalManager::instance()->emitError(LocaleBaseWidget::unexpectedError());
        return;
    }
    DBAccount account;
    account.setName(master.name());
    account.setProjectId(DBCache::projectId());
    account.setWebsiteId(website.id());
    account.setPassword(master.password());
    account.setLogin(website.email() ? master.email() : master.login());
    if (!account.save())
        reportRecordError(&account);
}

} // namespace Vexal
