#include "automation/submit/ExtRegistrationSubmitter.h"

#include "automation/submit/LocaleSubmitter.h"
#include "automation/submit/MasterAccountFields.h"
#include "automation/smart/SmartElement.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBAccount.h"
#include "data/DBCache.h"
#include "data/DBQueryManager.h"
#include "data/DBWebsite.h"
#include "texts/LocaleAccount.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

ExtRegistrationSubmitter::ExtRegistrationSubmitter(QWidget* parent)
    : BaseRecordSubmitter({-1, &LocaleSubmitter::registrationSubmitter, &LocaleAccount::masterAccount,
                           &MasterAccountFields::listedCaptions, &MasterAccountFields::listedValues},
                          parent)
{
}

void ExtRegistrationSubmitter::slotSaveAccount()
{
    const Told told = saveAccount(nullptr);
    if (!told.lines.isEmpty())
        UtilSignalManager::instance()->emitError(told.lines.join(QLatin1Char('\n')), told.untilClosed);
}

ExtRegistrationSubmitter::Told ExtRegistrationSubmitter::afterFill(const SmartFillReport& report)
{
    // A fill that stopped (a template that does not parse, a page not
    // recognised) took nothing.
    if (!websiteBox()->hasSelection() || !report.finished())
        return Told();
    return saveAccount(&report);
}

ExtRegistrationSubmitter::Told ExtRegistrationSubmitter::failed(const QString& website, const QString& error,
                                                                const QString& cause)
{
    Logger::error(error);
    return {{LocaleMessage::accountNotSaved(website, LocaleMessage::failureFor(cause))}, true};
}

ExtRegistrationSubmitter::Told ExtRegistrationSubmitter::saveAccount(const SmartFillReport* fill)
{
    const QString chosen = websiteBox()->currentText();
    DBMasterAccount master;
    if (!master.load(masterAccountBox()->currentId()))
        return failed(chosen, master.errorText(), master.failureCause());
    DBWebsite website;
    if (!website.load(websiteBox()->currentId()))
        return failed(chosen, website.errorText(), website.failureCause());
    // An account for the website in any project means none is added. Not
    // knowing whether one exists is no reason to add a second one.
    DBQueryManager query;
    if (query.findAccountId(website.id()))
        return Told();
    if (query.lastFailed())
        return failed(website.name(), query.errorText(), query.failureCause());
    // No account claims a login or a password the page never received.
    using E = SmartElement;
    const bool loginTaken = !fill || fill->took(website.email() ? E::KindEmail : E::KindLogin);
    const bool passwordTaken = !fill || fill->took(E::KindPassword);
    if (!loginTaken && !passwordTaken)
        return {{LocaleMessage::accountNotStored(website.name())}};
    DBAccount account;
    account.setName(master.name());
    account.setProjectId(DBCache::projectId());
    account.setWebsiteId(website.id());
    if (passwordTaken)
        account.setPassword(master.password());
    if (loginTaken)
        account.setLogin(website.email() ? master.email() : master.login());
    if (!account.save())
        return failed(website.name(), account.errorText(), account.failureCause());
    if (!loginTaken)
        return {{LocaleMessage::accountWithoutLogin(website.name())}};
    if (!passwordTaken)
        return {{LocaleMessage::accountWithoutPassword(website.name())}};
    return Told();
}

} // namespace Vexal
