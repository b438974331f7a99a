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

namespace Vexal {

ExtRegistrationSubmitter::ExtRegistrationSubmitter(QWidget* parent)
    : BaseRecordSubmitter({-1, &LocaleSubmitter::registrationSubmitter, &LocaleAccount::masterAccount,
                           &MasterAccountFields::listedCaptions, &MasterAccountFields::listedValues},
                          parent)
{
}

void ExtRegistrationSubmitter::beforeSubmit()
{
    if (websiteBox()->hasSelection())
        slotSaveAccount();
}

void ExtRegistrationSubmitter::slotSaveAccount()
{
    DBMasterAccount master;
    DBWebsite website;
    if (!loadReported(&master, masterAccountBox()->currentId()) || !loadReported(&website, websiteBox()->currentId()))
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
