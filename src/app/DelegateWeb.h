#pragma once

#include "shell/DelegateBase.h"

#include <memory>

namespace Vexal {

class DBWebsite;
class DBWebsiteList;

// The Web menu's commands on the current web tab: side panels, the pages of
// the stored website the page belongs to, and login filling (through the
// login dialog or at once).
class DelegateWeb : public DelegateBase
{
    Q_OBJECT
public:
    // Site page codes.
    enum SitePage { HomePage = 0, LoginPage = 1, LogoutPage = 2, RegistrationPage = 3, UserPage = 4 };

    // What a login fill hands on to the page.
    struct LoginFill {
        QString login;
        QString password;
        bool submit = true;
        qint64 websiteId = -1;
    };

    DelegateWeb(WidTabManager* tabManager, QObject* parent);

    void openSelectors();
    void openRegistrationSubmitter();
    void openLoginTemplates();
    void openRegistrationTemplates();
    void openDirectoryTemplates();
    void openSocialBookmarkTemplates();
    void openArticleTemplates();
    void openCurrentSitePage(int page);
    void openSitePage(int page, DBWebsite* website, WidWebTab* webTab);
    void login();
    void quickLogin();

    // The quick-login choice for the page's website (null when none matched):
    // an account of the current project on it, else the first active master
    // account. False when there is nothing to fill (warned or reported).
    bool quickLoginFill(const DBWebsite* website, LoginFill& fill);
    // The login dialog's choice turned into a fill. False when an item is
    // missing or a record fails to load (warned or reported).
    bool dialogLoginFill(qint64 websiteId, qint64 accountId, qint64 masterAccountId, bool useMasterAccount, bool submit,
                         LoginFill& fill);

protected:
    // Fills the page's login form with the fill.
    virtual void fillLogin(WidWebTab* webTab, const LoginFill& fill);

private:
    struct SiteOfTab {
        WidWebTab* webTab = nullptr;
        std::unique_ptr<DBWebsiteList> websites;
        // The first stored website of the tab's host; null when none is.
        DBWebsite* website = nullptr;
    };
    // The current web tab when it shows an address, and the stored website
    // of its host. False ends the command: no web tab (reported or warned),
    // an empty address (silently), or a failed look-up (reported).
    bool siteOfCurrentTab(SiteOfTab& site) const;
};

} // namespace Vexal
