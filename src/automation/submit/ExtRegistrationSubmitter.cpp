#include "automation/submit/ExtRegistrationSubmitter.h"

#include "automation/submit/LocaleSubmitter.h"
#include "automation/submit/MasterAccountFields.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBAccount.h"
#include "data/DBCache.h"
#include "data/DBQueryManager.h"
#include "data/DBWebsite.h"
#include "texts/LocaleAccount.h"
#include "texts/LocaleBaseWidget.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

ExtRegistrationSubmitter::ExtRegistrationSubmitter(QWidget* parent)
    : BaseRecordSubmitter({-1, &LocaleSubmitter::registrationSubmitter, &LocaleAccount::masterAccount,
                           &MasterAccountFields::listedCaptions, &MasterAccountFields::listedValues},
                          parent)
{
}

void ExtRegistrationSubmitter::beforeSubmit(DelegateRegistrationSubmitter& delegate)
{
    if (!websiteBox()->hasSelection())
        return;
    delegate.whenFilled([this](const DelegateSubmitter& fill) { return saveAccount(&fill); });
}

void ExtRegistrationSubmitter::slotSaveAccount()
{
    saveAccount(nullptr);
}

QString ExtRegistrationSubmitter::saveAccount(const DelegateSubmitter* fill)
{
    DBMasterAccount master;
    DBWebsite website;
    if (!loadReported(&master, masterAccountBox()->currentId()) || !loadReported(&website, websiteBox()->currentId()))
        return QString();
    // An account for the website in any project means none is added.
    DBQueryManager query;
    if (query.findAccountId(website.id()))
        return QString();
    if (query.lastFailed()) {
        // Not knowing whether one exists is no reason to add a second one.
        Logger::error(query.errorText());
        UtilSignalManager::instance()->emitError(LocaleBaseWidget::unexpectedError());
        return QString();
    }
    // No account claims a login or a password the page never received.
    const bool loginTaken = !fill || fill->took(website.email() ? LocaleAccount::email() : LocaleAccount::login());
    const bool passwordTaken = !fill || fill->took(LocaleAccount::password());
    if (!loginTaken && !passwordTaken)
        return LocaleMessage::accountNotStored(website.name());
    DBAccount account;
    account.setName(master.name());
    account.setProjectId(DBCache::projectId());
    account.setWebsiteId(website.id());
    if (passwordTaken)
        account.setPassword(master.password());
    if (loginTaken)
        account.setLogin(website.email() ? master.email() : master.login());
    if (!account.save()) {
        reportRecordError(&account);
        return QString();
    }
    if (!loginTaken)
        return LocaleMessage::accountWithoutLogin(website.name());
    return passwordTaken ? QString() : LocaleMessage::accountWithoutPassword(website.name());
}

} // namespace Vexal
