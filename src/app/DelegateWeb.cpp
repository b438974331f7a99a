#include "app/DelegateWeb.h"

#include "app/DelegateSteps.h"
#include "automation/submit/DelegateLoginSubmitter.h"
#include "automation/submit/ExtRegistrationSubmitter.h"
#include "automation/submit/ExtSelector.h"
#include "automation/templates/WidArticleTemplateJournal.h"
#include "automation/templates/WidDirectoryTemplateJournal.h"
#include "automation/templates/WidLoginTemplateJournal.h"
#include "automation/templates/WidRegistrationTemplateJournal.h"
#include "automation/templates/WidSocialBookmarkTemplateJournal.h"
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

#include <iterator>

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

void DelegateWeb::openSelectors() { openPanel<ExtSelector>(*this); }

void DelegateWeb::openRegistrationSubmitter() { openPanel<ExtRegistrationSubmitter>(*this); }

void DelegateWeb::openLoginTemplates() { openUniqueTab<WidLoginTemplateJournal>(); }

void DelegateWeb::openRegistrationTemplates() { openUniqueTab<WidRegistrationTemplateJournal>(); }

void DelegateWeb::openDirectoryTemplates() { openUniqueTab<WidDirectoryTemplateJournal>(); }

void DelegateWeb::openSocialBookmarkTemplates() { openUniqueTab<WidSocialBookmarkTemplateJournal>(); }

void DelegateWeb::openArticleTemplates() { openUniqueTab<WidArticleTemplateJournal>(); }

bool DelegateWeb::siteOfCurrentTab(SiteOfTab& site) const
{
    site.webTab = currentWebTab();
    if (!site.webTab || site.webTab->url().isEmpty())
        return false;
    site.websites = std::make_unique<DBWebsiteList>(site.webTab->url().host());
    if (!site.websites->load()) {
        reportListError(site.websites.get());
        return false;
    }
    site.website = site.websites->count() > 0 ? site.websites->firstOrCreate() : nullptr;
    return true;
}

void DelegateWeb::openCurrentSitePage(int page)
{
    SiteOfTab site;
    if (!siteOfCurrentTab(site))
        return;
    if (!site.website) {
        warn(LocaleDelegate::hostNotFound());
        return;
    }
    openSitePage(page, site.website, site.webTab);
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
    struct PageField {
        QString (DBWebsite::*address)() const;
        QString (*missing)();
    };
    // In the order of the site page codes.
    static const PageField fields[] = {
        {&DBWebsite::homePage, &LocaleDelegate::homePageMissing},
        {&DBWebsite::loginPage, &LocaleDelegate::loginPageMissing},
        {&DBWebsite::logoutPage, &LocaleDelegate::logoutPageMissing},
        {&DBWebsite::registrationPage, &LocaleDelegate::registrationPageMissing},
        {&DBWebsite::userPage, &LocaleDelegate::userPageMissing},
    };
    if (page < 0 || page >= int(std::size(fields)))
        return;
    const QString address = (website->*fields[page].address)();
    if (address.isEmpty()) {
        warn(fields[page].missing());
        return;
    }
    webTab->slotLoad(QUrl(address));
}

void DelegateWeb::login()
{
    SiteOfTab site;
    if (!siteOfCurrentTab(site))
        return;
    DlgLogin dialog;
    dialog.build(site.website);
    if (UtilDialog::exec(&dialog) != QDialog::Accepted)
        return;
    LoginFill fill;
    if (dialogLoginFill(dialog.websiteId(), dialog.accountId(), dialog.masterAccountId(), dialog.useMasterAccount(),
                        dialog.isSubmit(), fill))
        fillLogin(site.webTab, fill);
}

bool DelegateWeb::dialogLoginFill(qint64 websiteId, qint64 accountId, qint64 masterAccountId, bool useMasterAccount,
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
    SiteOfTab site;
    LoginFill fill;
    if (siteOfCurrentTab(site) && quickLoginFill(site.website, fill))
        fillLogin(site.webTab, fill);
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
    DelegateLoginSubmitter submitter(PageDomHandle(webTab->webView()), this);
    submitter.login(fill.login, fill.password, fill.submit, fill.websiteId);
}

} // namespace Vexal
