#include "app/DelegateWeb.h"

#include "automation/DelegateLoginSubmitter.h"
#include "automation/ExtRegistrationSubmitter.h"
#include "automation/ExtSelector.h"
#include "automation/WidArticleTemplateJournal.h"
#include "automation/WidDirectoryTemplateJournal.h"
#include "automation/WidLoginTemplateJournal.h"
#include "automation/WidRegistrationTemplateJournal.h"
#include "automation/WidSocialBookmarkTemplateJournal.h"
#include "data/DBAccount.h"
#include "data/DBAccountList.h"
#include "data/DBCache.h"
#include "data/DBMasterAccount.h"
#include "data/DBMasterAccountList.h"
#include "data/DBWebsite.h"
#include "data/DBWebsiteList.h"
#include "core/UtilSignalManager.h"
#include "shell/WidWebTab.h"
#include "shell/WidWebView.h"
#include "sites/DlgLogin.h"
#include "texts/LocaleDelegate.h"
#include "views/UtilDialog.h"

namespace Vexal {

namespace {
void warn(const QString& text)
{
    UtilSignalManager::instance()->emitWarning(text);
}

// The login name of a master account on a website: its e-mail address when
// the site logs in by e-mail.
QString masterLogin(const DBMasterAccount* master, const DBWebsite* website)
{
    return website && website->email() ? master->email() : master->login();
}
} // namespace

DelegateWeb::DelegateWeb(WidTabManager* tabManager, QObject* parent)
    : DelegateBase(tabManager, parent)
{
}

void DelegateWeb::openSelectors()
{
    if (WidWebTab* webTab = currentWebTab())
        webTab->setExtension(new ExtSelector(parentWidget()));
}

void DelegateWeb::openRegistrationSubmitter()
{
    if (WidWebTab* webTab = currentWebTab())
        webTab->setExtension(new ExtRegistrationSubmitter(parentWidget()));
}

void DelegateWeb::openLoginTemplates()
{
    openUniqueTab<WidLoginTemplateJournal>();
}

void DelegateWeb::openRegistrationTemplates()
{
    openUniqueTab<WidRegistrationTemplateJournal>();
}

void DelegateWeb::openDirectoryTemplates()
{
    openUniqueTab<WidDirectoryTemplateJournal>();
}

void DelegateWeb::openSocialBookmarkTemplates()
{
    openUniqueTab<WidSocialBookmarkTemplateJournal>();
}

void DelegateWeb::openArticleTemplates()
{
    openUniqueTab<WidArticleTemplateJournal>();
}

WidWebTab* DelegateWeb::webTabWithAddress() const
{
    WidWebTab* webTab = currentWebTab();
    if (!webTab || webTab->url().isEmpty())
        return nullptr;
    return webTab;
}

void DelegateWeb::openCurrentSitePage(int page)
{
    WidWebTab* webTab = webTabWithAddress();
    if (!webTab)
        return;
    DBWebsiteList websites(webTab->url().host());
    if (!websites.load()) {
        reportListError(&websites);
        return;
    }
    if (websites.count() == 0) {
        warn(LocaleDelegate::hostNotFound());
        return;
    }
    openSitePage(page, websites.firstOrCreate(), webTab);
}

void DelegateWeb::openSitePage(int page, DBWebsite* website, WidWebTab* webTab)
{
    if (!website) {
        reportInvalidObject(QStringLiteral("website"));
        return;
    }
    if (!webTab) {
        reportInvalidObject(QStringLiteral("tab"));
        return;
    }
    QString address;
    QString missing;
    switch (page) {
    case HomePage:
        address = website->homePage();
        missing = LocaleDelegate::homePageMissing();
        break;
    case LoginPage:
        address = website->loginPage();
        missing = LocaleDelegate::loginPageMissing();
        break;
    case LogoutPage:
        address = website->logoutPage();
        missing = LocaleDelegate::logoutPageMissing();
        break;
    case RegistrationPage:
        address = website->registrationPage();
        missing = LocaleDelegate::registrationPageMissing();
        break;
    case UserPage:
        address = website->userPage();
        missing = LocaleDelegate::userPageMissing();
        break;
    default:
        return;
    }
    if (address.isEmpty()) {
        warn(missing);
        return;
    }
    webTab->slotLoad(QUrl(address));
}

void DelegateWeb::login()
{
    WidWebTab* webTab = webTabWithAddress();
    if (!webTab)
        return;
    DBWebsiteList websites(webTab->url().host());
    if (!websites.load()) {
        reportListError(&websites);
        return;
    }
    DlgLogin dialog;
    dialog.build(websites.count() > 0 ? websites.firstOrCreate() : nullptr);
    if (UtilDialog::exec(&dialog) != QDialog::Accepted)
        return;
    LoginFill fill;
    if (dialogLoginFill(dialog.websiteId(), dialog.accountId(), dialog.masterAccountId(), dialog.useMasterAccount(),
                        dialog.isSubmit(), fill))
        fillLogin(webTab, fill);
}

bool DelegateWeb::dialogLoginFill(int websiteId, int accountId, int masterAccountId, bool useMasterAccount,
                                  bool submit, LoginFill& fill)
{
    if ((useMasterAccount && masterAccountId == -1) || (!useMasterAccount && accountId == -1)) {
        warn(LocaleDelegate::requiredItemsMissing());
        return false;
    }
    DBWebsite website;
    if (websiteId != -1 && !website.load(websiteId)) {
        reportRecordError(&website);
        return false;
    }
    fill.submit = submit;
    fill.websiteId = website.id();
    if (useMasterAccount) {
        DBMasterAccount master;
        if (!master.load(masterAccountId)) {
            reportRecordError(&master);
            return false;
        }
        fill.login = masterLogin(&master, &website);
        fill.password = master.decryptedPassword();
    } else {
        DBAccount account;
        if (!account.load(accountId)) {
            reportRecordError(&account);
            return false;
        }
        fill.login = account.login();
        fill.password = account.decryptedPassword();
    }
    return true;
}

void DelegateWeb::quickLogin()
{
    WidWebTab* webTab = webTabWithAddress();
    if (!webTab)
        return;
    DBWebsiteList websites(webTab->url().host());
    if (!websites.load()) {
        reportListError(&websites);
        return;
    }
    LoginFill fill;
    if (quickLoginFill(websites.count() > 0 ? websites.firstOrCreate() : nullptr, fill))
        fillLogin(webTab, fill);
}

bool DelegateWeb::quickLoginFill(const DBWebsite* website, LoginFill& fill)
{
    fill.submit = true;
    if (website) {
        DBAccountList accounts(DBCache::projectId(), website->id());
        if (!accounts.load()) {
            reportListError(&accounts);
            return false;
        }
        if (accounts.count() > 0) {
            if (DBAccount* account = accounts.at(0)) {
                fill.login = account->login();
                fill.password = account->decryptedPassword();
                fill.websiteId = website->id();
                return true;
            }
        }
    }
    DBMasterAccountList masters(true);
    if (!masters.load()) {
        reportListError(&masters);
        return false;
    }
    DBMasterAccount* master = masters.count() > 0 ? masters.at(0) : nullptr;
    if (!master) {
        warn(LocaleDelegate::accountNotFound());
        return false;
    }
    fill.login = masterLogin(master, website);
    fill.password = master->decryptedPassword();
    fill.websiteId = website ? website->id() : -1;
    return true;
}

void DelegateWeb::fillLogin(WidWebTab* webTab, const LoginFill& fill)
{
    if (!webTab || !webTab->webView()) {
        reportInvalidObject(QStringLiteral("webView"));
        return;
    }
    DelegateLoginSubmitter submitter(webTab->webView(), this);
    submitter.login(fill.login, fill.password, fill.submit, fill.websiteId);
}

} // namespace Vexal
