#pragma once

#include "data/DBKind.h"
#include "data/WebsiteType.h"

namespace Vexal {

// One row of "Website": a site the user works with, its pages and type flags.
// Host holds the site's hosts, each enclosed in braces ("{example.com}").
class DBWebsite final : public DBKind<DBWebsite, &DBSql::tableWebsite, &LocaleSql::tableWebsites>
{
    Q_OBJECT
public:
    static constexpr int hostLimit = 128;
    static constexpr int pageLimit = 1024;

    using DBKind::DBKind;

    const DBFields& fields() const override;

    int type() const { return m_type; }
    QString host() const { return m_host; }
    QString homePage() const { return m_homePage; }
    QString loginPage() const { return m_loginPage; }
    QString logoutPage() const { return m_logoutPage; }
    QString registrationPage() const { return m_registrationPage; }
    QString userPage() const { return m_userPage; }
    // The site's login name is the e-mail address.
    bool email() const { return m_email; }
    int gpr() const { return m_gpr; }
    int apr() const { return m_apr; }

    void setType(int flags) { change(m_type, flags); }
    void setHost(const QString& host) { change(m_host, host, hostLimit); }
    void setHomePage(const QString& url) { change(m_homePage, url, pageLimit); }
    void setLoginPage(const QString& url) { change(m_loginPage, url, pageLimit); }
    void setLogoutPage(const QString& url) { change(m_logoutPage, url, pageLimit); }
    void setRegistrationPage(const QString& url) { change(m_registrationPage, url, pageLimit); }
    void setUserPage(const QString& url) { change(m_userPage, url, pageLimit); }
    void setEmail(bool email) { change(m_email, email); }
    void setGpr(int gpr) { change(m_gpr, gpr); }
    void setApr(int apr) { change(m_apr, apr); }

    // The lowest WebsiteType flag set in flags; 0 when none.
    static int firstType(int flags);
    // The name of one type flag; "Undefined" for anything else.
    static QString typeText(int flag);

private:
    int m_type = 0;
    QString m_host;
    QString m_homePage;
    QString m_loginPage;
    QString m_logoutPage;
    QString m_registrationPage;
    QString m_userPage;
    bool m_email = false;
    int m_gpr = 0;
    int m_apr = 0;
};

} // namespace Vexal
