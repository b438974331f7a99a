#include "FreshDatabaseTest.h"
#include "TestRows.h"
#include "TestRunner.h"

#include "FakePage.h"
#include "LoopbackServer.h"
#include "TestDatabase.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBAccount.h"
#include "data/DBCache.h"
#include "data/DBMasterAccount.h"
#include "data/DBProject.h"
#include "data/DBWebsite.h"
#include "data/Encryptor.h"
#include "automation/submit/ExtFormFiller.h"
#include "automation/submit/ExtRegistrationSubmitter.h"
#include "automation/submit/ExtSelector.h"
#include "app/DelegateToolsPlus.h"
#include "app/DelegateWeb.h"
#include "shell/WidTabManager.h"
#include "shell/WidWebTab.h"
#include "shell/WidWebView.h"
#include "texts/LocaleWebTab.h"
#include "views/UtilDialog.h"

#include <QDialog>
#include <QSignalSpy>
#include <QSplitter>
#include <QWebFrame>
#include <QtTest>

using namespace Vexal;

namespace {

// Records the login fills instead of filling a form.
class RecordingWeb : public DelegateWeb
{
public:
    using DelegateWeb::DelegateWeb;
    QList<LoginFill> fills;

protected:
    void fillLogin(WidWebTab*, const LoginFill& fill) override { fills << fill; }
};

QString scrambled(const QString& password)
{
    Encryptor encryptor(Encryptor::programKey());
    return encryptor.encode(password);
}

int saveWebsite(const QString& host, bool email, const QString& loginPage = QString())
{
    DBWebsite website;
    website.setName(host);
    website.setHost(host);
    website.setEmail(email);
    website.setLoginPage(loginPage);
    return website.save() ? website.id() : -1;
}

int saveProject(const QString& name)
{
    DBProject project;
    project.setName(name);
    return project.save() ? project.id() : -1;
}

void saveAccount(int projectId, int websiteId, const QString& login)
{
    DBAccount account;
    account.setProjectId(projectId);
    account.setWebsiteId(websiteId);
    account.setName(login);
    account.setLogin(login);
    account.setPassword(scrambled(login + QStringLiteral("-pw")));
    QVERIFY2(account.save(), qPrintable(account.errorText()));
}

void saveMaster(bool active, const QString& login, const QString& email)
{
    DBMasterAccount master;
    master.setName(login);
    master.setActive(active);
    master.setLogin(login);
    master.setEmail(email);
    master.setPassword(scrambled(QStringLiteral("master-pw")));
    QVERIFY2(master.save(), qPrintable(master.errorText()));
}

QString lastWarning(const QSignalSpy& spy)
{
    return spy.isEmpty() ? QString() : spy.last().at(0).toString();
}

} // namespace

class DelegateWebTest : public FreshDatabaseTest
{
    Q_OBJECT

    LoopbackServer m_server;

    void useProject(int id)
    {
        DBProject project;
        QVERIFY(project.load(id));
        DBCache::setProject(&project);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.start());
        m_server.setTitledPage(QStringLiteral("/page"), QStringLiteral("P"));
        m_server.setTitledPage(QStringLiteral("/login"), QStringLiteral("L"));
        m_server.setTitledPage(QStringLiteral("/form"), QStringLiteral("F"),
                               QStringLiteral("<form action=\"/done\" method=\"get\">"
                                              "Username: <input type=\"text\" name=\"username\">"
                                              "Password: <input type=\"password\" name=\"password\">"
                                              "<input type=\"submit\" value=\"Log in\"></form>"));
        m_server.setTitledPage(QStringLiteral("/done"), QStringLiteral("Done"));
    }

    void quickLoginChoices()
    {
        QSignalSpy warnings(UtilSignalManager::instance(), &UtilSignalManager::onWarning);
        const int current = saveProject(QStringLiteral("Current"));
        const int other = saveProject(QStringLiteral("Other"));
        useProject(current);
        const int site = saveWebsite(QStringLiteral("{example.com}"), true);
        DBWebsite website;
        QVERIFY(website.load(site));
        RecordingWeb command(nullptr, nullptr);
        DelegateWeb::LoginFill fill;

        // Nothing at all.
        QVERIFY(!command.quickLoginFill(&website, fill));
        QCOMPARE(lastWarning(warnings), QStringLiteral("Sorry, I can't find any regular account or active master account"));

        // Accounts only in another project: the active master account, by e-mail.
        saveAccount(other, site, QStringLiteral("elsewhere"));
        saveMaster(false, QStringLiteral("idle"), QStringLiteral("idle@example.com"));
        saveMaster(true, QStringLiteral("master"), QStringLiteral("master@example.com"));
        QVERIFY(command.quickLoginFill(&website, fill));
        QCOMPARE(fill.login, QStringLiteral("master@example.com"));
        QCOMPARE(fill.password, QStringLiteral("master-pw"));
        QCOMPARE(fill.websiteId, site);
        QVERIFY(fill.submit);

        // No website: the master account's login and no website id.
        fill = DelegateWeb::LoginFill();
        QVERIFY(command.quickLoginFill(nullptr, fill));
        QCOMPARE(fill.login, QStringLiteral("master"));
        QCOMPARE(fill.websiteId, -1);

        // An account of the current project wins.
        saveAccount(current, site, QStringLiteral("mine"));
        QVERIFY(command.quickLoginFill(&website, fill));
        QCOMPARE(fill.login, QStringLiteral("mine"));
        QCOMPARE(fill.password, QStringLiteral("mine-pw"));
        QCOMPARE(fill.websiteId, site);
    }

    void dialogChoices()
    {
        QSignalSpy warnings(UtilSignalManager::instance(), &UtilSignalManager::onWarning);
        const int project = saveProject(QStringLiteral("Current"));
        const int byLogin = saveWebsite(QStringLiteral("{a.example}"), false);
        saveMaster(true, QStringLiteral("master"), QStringLiteral("master@example.com"));
        saveAccount(project, byLogin, QStringLiteral("user"));
        const int masterId = TestDatabase::value(QStringLiteral("SELECT MAX(ID) FROM MasterAccount")).toInt();
        const int accountId = TestDatabase::value(QStringLiteral("SELECT MAX(ID) FROM Account")).toInt();
        RecordingWeb command(nullptr, nullptr);
        DelegateWeb::LoginFill fill;

        QVERIFY(!command.dialogLoginFill(byLogin, accountId, -1, true, true, fill));
        QCOMPARE(lastWarning(warnings), QStringLiteral("One or few required items are missing."));
        QVERIFY(!command.dialogLoginFill(byLogin, -1, masterId, false, true, fill));
        QCOMPARE(warnings.count(), 2);

        QVERIFY(command.dialogLoginFill(byLogin, -1, masterId, true, false, fill));
        QCOMPARE(fill.login, QStringLiteral("master"));
        QVERIFY(!fill.submit);
        QVERIFY(command.dialogLoginFill(-1, accountId, -1, false, true, fill));
        QCOMPARE(fill.login, QStringLiteral("user"));
        QCOMPARE(fill.password, QStringLiteral("user-pw"));
        QCOMPARE(fill.websiteId, -1);

        // A record that is gone is reported, not filled.
        QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
        QVERIFY(!command.dialogLoginFill(-1, accountId + 100, -1, false, true, fill));
        QCOMPARE(errors.count(), 1);
    }

    void sitePagesAndLoginsOnTheCurrentTab()
    {
        keepNoHistory();
        QSignalSpy warnings(UtilSignalManager::instance(), &UtilSignalManager::onWarning);

        QWidget window;
        WidTabManager tabs(&window);
        window.show();
        auto* tab = new WidWebTab;
        const QUrl page = m_server.url(QStringLiteral("/page"));
        tabs.addTab(tab, nullptr, false, true);
        tab->load(page);
        QTRY_COMPARE(tab->title(), QStringLiteral("P"));

        RecordingWeb command(&tabs, &window);
        command.openCurrentSitePage(DelegateWeb::HomePage);
        QCOMPARE(lastWarning(warnings), QStringLiteral("Sorry, I can't find this host"));
        // Without braces the host is never matched.
        saveWebsite(QStringLiteral("127.0.0.1"), false);
        command.openCurrentSitePage(DelegateWeb::HomePage);
        QCOMPARE(warnings.count(), 2);

        const int site = saveWebsite(QStringLiteral("{localhost}{127.0.0.1}"), false,
                                     m_server.url(QStringLiteral("/login")).toString());
        command.openCurrentSitePage(DelegateWeb::LogoutPage);
        QCOMPARE(lastWarning(warnings), QStringLiteral("Address of Logout Page is missing."));
        QCOMPARE(tab->url(), page);
        command.openCurrentSitePage(7); // no such page: nothing
        QCOMPARE(warnings.count(), 3);
        command.openCurrentSitePage(DelegateWeb::LoginPage);
        QTRY_COMPARE(tab->title(), QStringLiteral("L"));
        QCOMPARE(tab->url(), m_server.url(QStringLiteral("/login")));

        // Quick login: the master account on the matched site.
        saveMaster(true, QStringLiteral("master"), QStringLiteral("master@example.com"));
        command.quickLogin();
        QCOMPARE(command.fills.size(), 1);
        QCOMPARE(command.fills.at(0).login, QStringLiteral("master"));
        QCOMPARE(command.fills.at(0).websiteId, site);

        // The dialog cancelled fills nothing.
        int shown = 0;
        UtilDialog::setRunner([&](QDialog*) {
            ++shown;
            return int(QDialog::Rejected);
        });
        command.login();
        QCOMPARE(shown, 1);
        QCOMPARE(command.fills.size(), 1);
    }

    void panelsAttachToTheCurrentWebTab()
    {
        QSignalSpy warnings(UtilSignalManager::instance(), &UtilSignalManager::onWarning);
        QWidget window;
        WidTabManager tabs(&window);
        window.show();
        tabs.addTab(new FakePage, nullptr, false, true);
        DelegateWeb(&tabs, &window).openSelectors();
        DelegateToolsPlus(&tabs, &window).openFormFiller();
        QCOMPARE(warnings.count(), 2);

        auto* tab = new WidWebTab;
        tabs.addTab(tab, nullptr, false, true);
        DelegateWeb(&tabs, &window).openSelectors();
        QVERIFY(dynamic_cast<ExtSelector*>(tab->extension()));
        DelegateWeb(&tabs, &window).openRegistrationSubmitter();
        QVERIFY(dynamic_cast<ExtRegistrationSubmitter*>(tab->extension()));
        DelegateToolsPlus(&tabs, &window).openFormFiller();
        QVERIFY(dynamic_cast<ExtFormFiller*>(tab->extension()));
        QCOMPARE(tab->splitter()->count(), 2);
        QCOMPARE(warnings.count(), 2);
    }

    // One login sends one request: also when the server drops the
    // connection before it answers, the form is not posted again.
    void quickLoginPostsTheFormOnce_data() { addBoolRows("cut", "answered", "connection cut"); }

    void quickLoginPostsTheFormOnce()
    {
        QFETCH(bool, cut);
        keepNoHistory();
        saveMaster(true, QStringLiteral("master"), QStringLiteral("master@example.com"));
        const QString target = cut ? QStringLiteral("/cut") : QStringLiteral("/done");
        m_server.cutOff(QStringLiteral("/cut"));
        m_server.setTitledPage(QStringLiteral("/post"), QStringLiteral("F"),
                               QStringLiteral("<form action=\"%1\" method=\"post\">"
                                              "Username: <input type=\"text\" name=\"username\">"
                                              "Password: <input type=\"password\" name=\"password\">"
                                              "<input type=\"submit\" value=\"Log in\"></form>")
                                   .arg(target));

        QWidget window;
        WidTabManager tabs(&window);
        window.show();
        auto* tab = new WidWebTab;
        tabs.addTab(tab, nullptr, false, true);
        tab->load(m_server.url(QStringLiteral("/post")));
        QTRY_COMPARE(tab->title(), QStringLiteral("F"));
        m_server.clearRequests();

        DelegateWeb(&tabs, &window).quickLogin();
        QTRY_VERIFY(!m_server.requests().isEmpty());
        QTRY_VERIFY(tab->webView()->state() != WidWebView::StateLoading);
        // Cut off, the tab says the load failed, and its page why.
        QCOMPARE(tab->title(), cut ? LocaleWebTab::failed() : QStringLiteral("Done"));
        if (cut)
            QCOMPARE(tab->webView()->page()->mainFrame()->title(), LocaleWebTab::closedBeforeTheAnswer());
        // A request sent again would come at once.
        QTest::qWait(200);
        const auto requests = m_server.requests();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.first().method, QByteArray("POST"));
        QCOMPARE(requests.first().body, QByteArray("username=master&password=master-pw"));
    }
};

TESVAR_TEST(DelegateWebTest)
#include "DelegateWebTest.moc"
