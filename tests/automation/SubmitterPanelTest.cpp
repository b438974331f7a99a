#include "ComboTexts.h"
#include "CleanupAtWork.h"
#include "FileSizeLimit.h"
#include "LoopbackServer.h"
#include "TestData.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "automation/submit/BaseSubmitterToolbar.h"
#include "automation/submit/ExtArticleSubmitter.h"
#include "automation/submit/ExtDirectorySubmitter.h"
#include "automation/submit/ExtRegistrationSubmitter.h"
#include "automation/submit/ExtSocialBookmarkSubmitter.h"
#include "automation/submit/WidWebsiteNavigator.h"
#include "content/WidArticleComboBox.h"
#include "content/WidSpinnedArticleComboBox.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBCache.h"
#include "data/DBWebsite.h"
#include "widgets/WidDNDList.h"
#include "shell/WidTabManager.h"
#include "shell/WidWebTab.h"
#include "app/DelegateProject.h"
#include "sites/WidWebsiteTypeComboBox.h"
#include "texts/LocaleMessage.h"

#include <QPointer>
#include <QSignalSpy>
#include <QToolButton>
#include <QWebElement>
#include <QWebFrame>
#include <QWebPage>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <memory>

using namespace Vexal;

namespace {

// The warning of a Submit with choosers left empty names them, in order.
QString missing(const QString& choosers)
{
    return QStringLiteral("One or few required items are missing. Nothing is chosen in: %1.").arg(choosers);
}

int saveWebsite(const QString& name, const QString& host, int type, bool email = false,
                const QString& home = QString())
{
    DBWebsite website;
    website.setName(name);
    website.setHost(host);
    website.setType(type);
    website.setEmail(email);
    website.setHomePage(home);
    return website.save() ? website.id() : -1;
}

QStringList blanks(int count)
{
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << QString();
    return texts;
}

QString lastText(const QSignalSpy& spy)
{
    return spy.isEmpty() ? QString() : spy.last().at(0).toString();
}

// A web tab showing a page of the given address, with a panel attached on
// demand. The database is declared first so that it outlives everything.
struct Fixture
{
    TestDatabase db;
    int project = -1;
    WidWebTab tab;

    Fixture() { project = useProject(QStringLiteral("P")); }

    bool show(const QString& address, const QString& html = QStringLiteral("<html><body></body></html>"))
    {
        if (!tab.webView())
            tab.setInit(nullptr);
        QSignalSpy loaded(tab.webView()->page(), &QWebPage::loadFinished);
        tab.webView()->setHtml(html, QUrl(address));
        return loaded.count() > 0 || loaded.wait(10000);
    }

    template <class Panel>
    Panel* attach()
    {
        auto* panel = new Panel;
        tab.setExtension(panel);
        return panel;
    }

    QString inputValue(const QString& name) const
    {
        QWebElement input = tab.webView()->page()->mainFrame()->findFirstElement(
            QStringLiteral("input[name=\"%1\"]").arg(name));
        return input.evaluateJavaScript(QStringLiteral("this.value")).toString();
    }
};

QToolButton* navigatorButton(BaseSubmitter* panel, WidWebsiteNavigator::Button which)
{
    return panel->navigator()->button(which);
}

} // namespace

class SubmitterPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { DBCache::reset(); }

    void projectPanelsKeepTheirTypeAndPreselectThePageSite()
    {
        Fixture f;
        const int alpha = saveWebsite(QStringLiteral("Alpha"), QStringLiteral("{site-a.test}"), 8 | 32);
        saveWebsite(QStringLiteral("Beta"), QStringLiteral("{other.test}"), 4);
        saveWebsite(QStringLiteral("Gamma"), QStringLiteral("{g.test}"), 8);
        const int delta = saveWebsite(QStringLiteral("Delta"), QStringLiteral("{d.test}"), 128 | 4);
        QVERIFY(f.show(QStringLiteral("http://site-a.test/page")));
        QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
        QSignalSpy warnings(UtilSignalManager::instance(), &UtilSignalManager::onWarning);

        auto* article = f.attach<ExtArticleSubmitter>();
        QVERIFY(!article->typeBox()->isEnabled());
        QCOMPARE(article->typeBox()->currentType(), 8);
        QCOMPARE(comboTexts(*article->websiteBox()), QStringList({"Alpha", "Gamma"}));
        QCOMPARE(article->websiteBox()->currentId(), alpha);
        QCOMPARE(article->dragList()->count(), 5);

        QPointer<ExtArticleSubmitter> replaced = article;
        auto* directory = f.attach<ExtDirectorySubmitter>();
        QTRY_VERIFY(!replaced);
        QCOMPARE(directory->typeBox()->currentType(), 32);
        QCOMPARE(comboTexts(*directory->websiteBox()), QStringList({"Alpha"}));

        // The page's site has no Social Bookmarks flag: the first listed site is current.
        auto* bookmark = f.attach<ExtSocialBookmarkSubmitter>();
        QCOMPARE(bookmark->typeBox()->currentType(), 128);
        QVERIFY(!bookmark->typeBox()->isEnabled());
        QCOMPARE(bookmark->websiteBox()->currentId(), delta);
        QCOMPARE(errors.count(), 0);
        QCOMPARE(warnings.count(), 0);

        QPointer<ExtSocialBookmarkSubmitter> closed = bookmark;
        bookmark->toolbar()->findChildren<QToolButton*>().last()->click(); // Close
        QVERIFY(!f.tab.extension());
        QTRY_VERIFY(!closed);
    }

    void registrationPanelFollowsTheChosenType()
    {
        Fixture f;
        const int alpha = saveWebsite(QStringLiteral("Alpha"), QStringLiteral("{site-a.test}"), 8 | 32 | 256);
        const int beta = saveWebsite(QStringLiteral("Beta"), QStringLiteral("{b.test}"), 4);
        const int delta = saveWebsite(QStringLiteral("Delta"), QStringLiteral("{d.test}"), 128 | 4);
        QVERIFY(addRow(QStringLiteral("MasterAccount"),
                       {{"Name", "M"}, {"FirstName", "Ann"}, {"Login", "ann"}, {"Fax", "555"},
                        {"Password", scrambled(QStringLiteral("s3cret"))}}) > 0);
        QVERIFY(f.show(QStringLiteral("http://site-a.test/")));

        auto* panel = f.attach<ExtRegistrationSubmitter>();
        QVERIFY(panel->typeBox()->isEnabled());
        QCOMPARE(panel->typeBox()->currentType(), 8); // lowest flag of the page's site
        QCOMPARE(panel->websiteBox()->currentId(), alpha);

        const QStringList values = panel->dragValues();
        QCOMPARE(values.at(0), QStringLiteral("Ann"));
        QCOMPARE(values.at(4), QStringLiteral("ann"));
        QCOMPARE(values.at(5), QStringLiteral("s3cret"));
        QCOMPARE(values.at(16), QStringLiteral("555"));

        // Another type lists its sites, the first current; the values stay.
        panel->typeBox()->setCurrentType(4);
        QCOMPARE(comboTexts(*panel->websiteBox()), QStringList({"Beta", "Delta"}));
        QCOMPARE(panel->websiteBox()->currentId(), beta);
        QCOMPARE(panel->dragValues(), values);

        // Previous and Next move through the list.
        navigatorButton(panel, WidWebsiteNavigator::Next)->click();
        QCOMPARE(panel->websiteBox()->currentId(), delta);
        navigatorButton(panel, WidWebsiteNavigator::Previous)->click();
        QCOMPARE(panel->websiteBox()->currentId(), beta);

        // A page of no known site: Email and its first site, quietly.
        QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
        QVERIFY(f.show(QStringLiteral("http://nowhere.test/")));
        panel = f.attach<ExtRegistrationSubmitter>();
        QCOMPARE(panel->typeBox()->currentType(), 4);
        QCOMPARE(panel->websiteBox()->currentId(), beta);
        QVERIFY(f.show(QStringLiteral("about:blank")));
        panel = f.attach<ExtRegistrationSubmitter>();
        QCOMPARE(panel->typeBox()->currentType(), 4);
        QCOMPARE(errors.count(), 0);

        // The websites cannot be read: the look-up of the page's site and the
        // chooser each say so.
        QVERIFY(TestDatabase::exec(QStringLiteral("ALTER TABLE Website RENAME TO WebsiteGone")));
        QVERIFY(f.show(QStringLiteral("http://site-a.test/")));
        panel = f.attach<ExtRegistrationSubmitter>();
        QCOMPARE(errors.count(), 2);
    }

    void pageButtonsLoadTheSitePages()
    {
        LoopbackServer server;
        QVERIFY(server.start());
        server.setHtml(QStringLiteral("/home"), QStringLiteral("<html><head><title>H</title></head></html>"));
        Fixture f;
        const QUrl home = server.url(QStringLiteral("/home"));
        saveWebsite(QStringLiteral("Local"), QStringLiteral("{127.0.0.1}"), 4, false, home.toString());
        const QUrl start = server.url(QStringLiteral("/start"));
        QVERIFY(f.show(start.toString()));
        QSignalSpy warnings(UtilSignalManager::instance(), &UtilSignalManager::onWarning);

        auto* panel = f.attach<ExtRegistrationSubmitter>();
        QCOMPARE(panel->websiteBox()->count(), 1);
        for (auto button : {WidWebsiteNavigator::LoginPage, WidWebsiteNavigator::RegistrationPage,
                            WidWebsiteNavigator::UserPage})
            navigatorButton(panel, button)->click();
        QCOMPARE(warnings.count(), 3);
        QCOMPARE(lastText(warnings), QStringLiteral("Address of User Page is missing."));
        QCOMPARE(f.tab.url(), start);

        navigatorButton(panel, WidWebsiteNavigator::HomePage)->click();
        QTRY_COMPARE(f.tab.title(), QStringLiteral("H"));
        QCOMPARE(f.tab.url(), home);
        QCOMPARE(panel->websiteBox()->count(), 1); // a page load does not refresh the panel

        // No site of the type: a page button loads nothing and says that
        // no website is chosen; Next has nothing to move to.
        panel->typeBox()->setCurrentType(64);
        QCOMPARE(panel->websiteBox()->count(), 0);
        for (auto button : {WidWebsiteNavigator::HomePage, WidWebsiteNavigator::LoginPage,
                            WidWebsiteNavigator::RegistrationPage, WidWebsiteNavigator::UserPage}) {
            const int before = warnings.count();
            navigatorButton(panel, button)->click();
            QCOMPARE(warnings.count(), before + 1);
            QCOMPARE(lastText(warnings), missing(QStringLiteral("Website")));
        }
        const int before = warnings.count();
        navigatorButton(panel, WidWebsiteNavigator::Next)->click();
        QCOMPARE(warnings.count(), before);
        QCOMPARE(f.tab.url(), home);
    }

    void projectPanelDragValues()
    {
        Fixture f;
        QVERIFY(f.show(QStringLiteral("http://site-a.test/")));
        QSignalSpy warnings(UtilSignalManager::instance(), &UtilSignalManager::onWarning);

        auto* bookmarks = f.attach<ExtSocialBookmarkSubmitter>();
        QCOMPARE(bookmarks->dragValues(), blanks(4));
        bookmarks->toolbar()->submitButton()->click();
        QCOMPARE(lastText(warnings), missing(QStringLiteral("Social Bookmark")));

        QVERIFY(addRow(QStringLiteral("SocialBookmark"),
                       {{"Name", "B"}, {"ProjectID", f.project}, {"Title", "Title"}, {"Tags", "a,,b, c,"},
                        {"URL", "http://u.test/"}, {"Description", QStringLiteral("Δ text")}}) > 0);
        bookmarks->slotReload();
        QCOMPARE(bookmarks->dragValues(), QStringList({QStringLiteral("Title"), QStringLiteral("a,b, c"),
                                                       QStringLiteral("http://u.test/"), QStringLiteral("Δ text")}));

        QVERIFY(addRow(QStringLiteral("Directory"),
                       {{"Name", "D"}, {"ProjectID", f.project}, {"Title", "Dir"}, {"Tags", ",x,"},
                        {"UserName", "user"}, {"UserEmail", "u@test"}}) > 0);
        // Another project's entry is not offered.
        QVERIFY(addRow(QStringLiteral("Directory"), {{"Name", "A"}, {"ProjectID", f.project + 1}}) > 0);
        auto* directory = f.attach<ExtDirectorySubmitter>();
        QCOMPARE(directory->dragValues(), QStringList({QStringLiteral("Dir"), QStringLiteral("x"), QString(),
                                                       QString(), QStringLiteral("user"), QStringLiteral("u@test")}));
    }

    void articleValuesFollowTheSpunArticle()
    {
        Fixture f;
        const int first = addRow(QStringLiteral("Article"),
                                 {{"Name", "A1"}, {"ProjectID", f.project}, {"Tags", "x,,y"}, {"Author", "Bio"}});
        const int second = addRow(QStringLiteral("Article"), {{"Name", "A2"}, {"ProjectID", f.project}});
        const int spun = addRow(QStringLiteral("SpunArticle"),
                                {{"Name", "S1"}, {"ProjectID", f.project}, {"ArticleID", first},
                                 {"Title", "{ignored|unused}"}, {"TitleFinal", "T"}, {"Intro", "{only}"},
                                 {"BodyFinal", "B"}});
        QVERIFY(f.show(QStringLiteral("http://site-a.test/")));
        QSignalSpy warnings(UtilSignalManager::instance(), &UtilSignalManager::onWarning);

        auto* panel = f.attach<ExtArticleSubmitter>();
        QCOMPARE(panel->articleBox()->currentId(), first);
        QCOMPARE(panel->spunArticleBox()->currentId(), spun);
        const QStringList filled = {QStringLiteral("T"), QStringLiteral("x,y"), QStringLiteral("Bio"),
                                    QStringLiteral("only"), QStringLiteral("B")};
        QCOMPARE(panel->dragValues(), filled);

        panel->articleBox()->setCurrentId(second);
        QCOMPARE(panel->spunArticleBox()->count(), 0);
        QCOMPARE(panel->dragValues(), blanks(5));
        panel->slotSubmit();
        QCOMPARE(lastText(warnings), missing(QStringLiteral("Spun Article")));
        QCOMPARE(Logger::contextAction(), QStringLiteral("Submit"));
        panel->articleBox()->setCurrentIndex(-1);
        panel->slotSubmit();
        QCOMPARE(lastText(warnings), missing(QStringLiteral("Article, Spun Article")));

        panel->articleBox()->setCurrentId(first);
        QCOMPARE(panel->dragValues(), filled);
    }

    void registrationSubmitStoresOneAccountPerSite()
    {
        Fixture f;
        const QString password = scrambled(QStringLiteral("pw"));
        QVERIFY(addRow(QStringLiteral("MasterAccount"),
                       {{"Name", "Master"}, {"Login", "mlogin"}, {"Email", "m@x.test"}, {"Password", password}}) > 0);
        const int byEmail = saveWebsite(QStringLiteral("A"), QStringLiteral("{a.test}"), 4, true);
        const int taken = saveWebsite(QStringLiteral("B"), QStringLiteral("{b.test}"), 4);
        const int byLogin = saveWebsite(QStringLiteral("C"), QStringLiteral("{c.test}"), 4);
        // Another project's account for B.
        QVERIFY(addRow(QStringLiteral("Account"),
                       {{"Name", "E"}, {"ProjectID", f.project + 1}, {"WebsiteID", taken}}) > 0);
        const QString signUp = QStringLiteral("<html><body><form>%1</form></body></html>");
        const QString username = QStringLiteral("<p>Username <input name='u'></p>");
        const QString email = QStringLiteral("<p>E-mail <input name='m'></p>");
        const QString passwordBox = QStringLiteral("<p>Password <input type='password' name='p' maxlength='%1'></p>");
        QVERIFY(f.show(QStringLiteral("http://a.test/"), signUp.arg(username + email + passwordBox.arg(8))));

        auto* panel = f.attach<ExtRegistrationSubmitter>();
        QCOMPARE(panel->websiteBox()->currentId(), byEmail);
        panel->slotSubmit();
        panel->slotSubmit();
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("Account")), 2);
        const QString where = QStringLiteral(" FROM Account WHERE WebsiteID=%1").arg(byEmail);
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT Login || '/' || Password || '/' || ProjectID || '/' || Name")
                                     + where).toString(),
                 QStringLiteral("m@x.test/%1/%2/Master").arg(password).arg(f.project));

        panel->websiteBox()->setCurrentId(taken);
        panel->slotSubmit();
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("Account")), 2);
        panel->websiteBox()->setCurrentId(byLogin);
        panel->slotSubmit();
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT Login FROM Account WHERE WebsiteID=%1").arg(byLogin))
                     .toString(),
                 QStringLiteral("mlogin"));

        // No site chosen: no account.
        panel->typeBox()->setCurrentType(64);
        panel->slotSubmit();
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("Account")), 3);

        // The account holds only what the page took (the e-mail as the login
        // where the site signs in by it); what it lacks, or why it could not
        // be stored, comes first on the fill's notice, a failure until
        // closed.
        const struct {
            const char* name;
            QString page;
            QString stored;
            QString told;
            // Stored while the start-up history cleanup works on a slow disk.
            bool cleaning = false;
            bool byEmail = false;
            bool full = false;
            // The selector of the password box in the site's template.
            const char* byTemplate = nullptr;
        } cases[] = {
            {"D", username + email + passwordBox.arg(1), QStringLiteral("mlogin/"),
             QStringLiteral("The account stored for \"D\" holds no password, as the page did not take it: enter the "
                            "one you give the site in the account.")},
            {"E", email + passwordBox.arg(8), QStringLiteral("/") + password,
             QStringLiteral("The account stored for \"E\" holds no login, as the page did not take it: enter the "
                            "one you sign in with in the account.")},
            {"F", email, QStringLiteral("none"),
             QStringLiteral("No account was stored for \"F\": the page took neither the login nor the password.")},
            {"G", email + passwordBox.arg(8), QStringLiteral("/") + password,
             QStringLiteral("The account stored for \"G\" holds no login, as the page did not take it: enter the "
                            "one you sign in with in the account."),
             true},
            {"H", email + passwordBox.arg(8), QStringLiteral("m@x.test/") + password, QString(), false, true},
            {"I", username + passwordBox.arg(1), QStringLiteral("none"),
             LocaleMessage::accountNotSaved(QStringLiteral("I"), LocaleMessage::operationFailedBecause(
                                                                     QString::fromLocal8Bit(std::strerror(EFBIG)))),
             false, false, true},
            {"J", username + email + passwordBox.arg(1), QStringLiteral("mlogin/"),
             QStringLiteral("The account stored for \"J\" holds no password, as the page did not take it: enter the "
                            "one you give the site in the account."),
             false, false, false, "INPUT[name=\"p\"]"},
            // A fill that stops takes nothing.
            {"K", username + passwordBox.arg(8), QStringLiteral("none"),
             LocaleMessage::templateSelectorInvalid(QString(), QStringLiteral("Password"),
                                                    QStringLiteral("Incomplete selector. Selector: INPUT[name=")),
             false, false, false, "INPUT[name="},
        };
        QSignalSpy notices(UtilSignalManager::instance(), &UtilSignalManager::onError);
        panel->typeBox()->setCurrentType(4);
        for (const auto& item : cases) {
            const int site = saveWebsite(QLatin1String(item.name), QStringLiteral("{%1.test}").arg(item.name), 4,
                                         item.byEmail);
            if (item.byTemplate)
                QVERIFY(addRow(QStringLiteral("RegistrationTemplate"),
                               {{"WebsiteID", site}, {"Login", "INPUT[name=\"u\"]"}, {"Password", item.byTemplate}}) > 0);
            panel->slotReload();
            panel->websiteBox()->setCurrentId(site);
            QVERIFY(f.show(QStringLiteral("http://a.test/"), signUp.arg(item.page)));
            notices.clear();
            CleanupAtWork cleaning;
            if (item.cleaning)
                QVERIFY(cleaning.start(f.db.databaseFile()));
            {
                auto limit = item.full ? std::make_unique<FileSizeLimit>(1) : nullptr;
                panel->slotSubmit();
            }
            QVERIFY(!item.cleaning || cleaning.finish());
            QCOMPARE(TestDatabase::value(QStringLiteral("SELECT IFNULL((SELECT IFNULL(Login, '') || '/' || IFNULL(Password, '') "
                                                        "FROM Account "
                                                        "WHERE WebsiteID=%1), 'none')").arg(site)).toString(),
                     item.stored);
            QCOMPARE(notices.size(), item.told.isEmpty() ? 0 : 1);
            if (item.told.isEmpty())
                continue;
            const QStringList lines = notices.first().at(0).toString().split(QLatin1Char('\n'));
            QCOMPARE(lines.first(), item.told);
            QCOMPARE(notices.first().at(1).toBool(), item.full);
            // The fill's own notice follows.
            if (item.full)
                QCOMPARE(lines.mid(1), QStringList({QStringLiteral("These fields were left empty, as their values do not fit:"),
                                                    QStringLiteral("Password: the box takes 1 character, the value has 2")}));
        }

        // A failed look-up is reported and adds nothing.
        QVERIFY(TestDatabase::exec(QStringLiteral("ALTER TABLE Account RENAME TO AccountGone")));
        QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
        panel->slotSaveAccount();
        QCOMPARE(errors.count(), 1);
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("AccountGone")), 8);

        // The master account gone meanwhile: its values cannot be shown.
        QVERIFY(TestDatabase::exec(QStringLiteral("DELETE FROM MasterAccount")));
        panel->slotRefreshDragDrop();
        QCOMPARE(errors.count(), 2);
    }

    void submitHandsTheRecordToTheDelegate()
    {
        Fixture f;
        const int site = saveWebsite(QStringLiteral("S"), QStringLiteral("{s.test}"), 128);
        QVERIFY(addRow(QStringLiteral("SocialBookmarkTemplate"),
                       {{"Name", "T"}, {"WebsiteID", site}, {"Title", "INPUT[name=\"t\"]"},
                        {"Tags", "INPUT[name=\"g\"]"}}) > 0);
        QVERIFY(addRow(QStringLiteral("SocialBookmark"),
                       {{"Name", "B"}, {"ProjectID", f.project}, {"Title", "Hello"}, {"Tags", "a,,b"}}) > 0);
        QVERIFY(f.show(QStringLiteral("http://s.test/"),
                       QStringLiteral("<html><body><form><input name=\"t\"><input name=\"g\"></form></body></html>")));

        auto* panel = f.attach<ExtSocialBookmarkSubmitter>();
        QCOMPARE(panel->websiteBox()->currentId(), site);
        panel->toolbar()->submitButton()->click();
        QCOMPARE(f.inputValue(QStringLiteral("t")), QStringLiteral("Hello"));
        QCOMPARE(f.inputValue(QStringLiteral("g")), QStringLiteral("a,b"));
        QCOMPARE(Logger::contextClassName(), QStringLiteral("Vexal::ExtSocialBookmarkSubmitter"));
        QCOMPARE(Logger::contextAction(), QStringLiteral("Submit"));
    }

    void projectCommandsAttachToWebTabsOnly()
    {
        TestDatabase db;
        useProject(QStringLiteral("P"));
        QWidget window;
        WidTabManager tabs(&window);
        QSignalSpy warnings(UtilSignalManager::instance(), &UtilSignalManager::onWarning);
        DelegateProject command(&tabs, &window);
        command.openProjects(); // a journal is current
        command.openArticleSubmitter();
        QCOMPARE(lastText(warnings), QStringLiteral("This tool works on web tabs only"));

        auto* tab = new WidWebTab;
        tabs.addTab(tab, nullptr, false, true);
        command.openArticleSubmitter();
        QVERIFY(dynamic_cast<ExtArticleSubmitter*>(tab->extension()));
        command.openDirectorySubmitter();
        QVERIFY(dynamic_cast<ExtDirectorySubmitter*>(tab->extension()));
        command.openSocialBookmarkSubmitter();
        auto* panel = dynamic_cast<ExtSocialBookmarkSubmitter*>(tab->extension());
        QVERIFY(panel);
        QVERIFY(panel->toolbar());
        QCOMPARE(warnings.count(), 1);
    }
};

TESVAR_TEST(SubmitterPanelTest)
#include "SubmitterPanelTest.moc"
