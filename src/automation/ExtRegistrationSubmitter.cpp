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
    auto* label = new QLabel(LocaleAccount::masterAccount(), body());
    m_masterAccountBox = new WidMasterAccountComboBox(body());
    UtilGui::addRow(grid(), typeLabel(), typeBox());
    UtilGui::addRow(grid(), websiteLabel(), websiteBox());
    UtilGui::addRow(grid(), label, m_masterAccountBox);
}

void ExtRegistrationSubmitter::fillFieldList()
{
    const QStringList labels = {
        LocaleAccount::firstName(), LocaleAccount::middleName(), LocaleAccount::lastName(),
        LocaleAccount::fullName(),  LocaleAccount::login(),      LocaleAccount::password(),
        LocaleAccount::email(),     LocaleAccount::url(),        LocaleAccount::answer(),
        LocaleAccount::country(),   LocaleAccount::city(),       LocaleAccount::province(),
        LocaleAccount::address(),   LocaleAccount::details(),    LocaleAccount::zipCode(),
        LocaleAccount::phone(),     LocaleAccount::fax()};
    for (const QString& label : labels)
        addDragItem(label);
}

QStringList ExtRegistrationSubmitter::fieldValues(const DBMasterAccount& account)
{
    return {account.firstName(), account.middleName(), account.lastName(), account.fullName(),
            account.login(),     account.decryptedPassword(), account.email(), account.url(),
            account.answer(),    account.country(),     account.city(),    account.province(),
            account.address(),   account.details(),     account.zipCode(), account.phone(),
            account.fax()};
}

void ExtRegistrationSubmitter::connectWidgets()
{
    BaseSubmitter::connectWidgets();
    connect(m_masterAccountBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &BaseSubmitter::slotRefreshDragDrop, Qt::UniqueConnection);
}

void ExtRegistrationSubmitter::disconnectWidgets()
{
    BaseSubmitter::disconnectWidgets();
    disconnect(m_masterAccountBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
               &BaseSubmitter::slotRefreshDragDrop);
}

void ExtRegistrationSubmitter::selectType(int typeFlag)
{
    typeBox()->fill();
    typeBox()->setEnabled(true);
    typeBox()->setCurrentType(typeFlag);
}

void ExtRegistrationSubmitter::loadWebsites(int websiteId)
{
    websiteBox()->reloadAndSelect(typeBox()->currentType(), websiteId);
}

void ExtRegistrationSubmitter::loadItems()
{
    m_masterAccountBox->reload();
}

void ExtRegistrationSubmitter::fillValues()
{
    if (!m_masterAccountBox->hasSelection()) {
        clearDragValues();
        return;
    }
    DBMasterAccount account;
    if (!account.load(m_masterAccountBox->currentId())) {
        reportRecordError(&account);
        return;
    }
    setDragValues(fieldValues(account));
}

void ExtRegistrationSubmitter::slotSubmit()
{
    setContext(LocaleSubmitter::submit());
    if (!m_masterAccountBox->hasSelection()) {
        warnRequiredItemsMissing();
        return;
    }
    if (websiteBox()->hasSelection())
        slotSaveAccount();
    DelegateRegistrationSubmitter delegate(webView(), this);
    delegate.submit(m_masterAccountBox->currentId(), websiteBox()->currentId());
}

void ExtRegistrationSubmitter::slotSaveAccount()
{
    DBMasterAccount master;
    if (!master.load(m_masterAccountBox->currentId())) {
        reportRecordError(&master);
        return;
    }
    DBWebsite website;
    if (!website.load(websiteBox()->currentId())) {
        reportRecordError(&website);
        return;
    }
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
