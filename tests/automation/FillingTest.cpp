#include "TestDatabase.h"
#include "TestRunner.h"
#include "LoopbackServer.h"
#include "TestData.h"

#include "automation/submit/DelegateArticleSubmitter.h"
#include "automation/submit/DelegateDirectorySubmitter.h"
#include "automation/submit/DelegateLoginSubmitter.h"
#include "automation/submit/DelegateRegistrationSubmitter.h"
#include "automation/submit/DelegateSocialBookmarkSubmitter.h"
#include "shell/PageDomFactory.h"
#include "automation/selector/SelectorManager.h"
#include "shell/WebKitPageDom.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBCache.h"
#include "data/DBOptions.h"
#include "data/DBWebsite.h"
#include "app/DelegateWeb.h"
#include "shell/WidTabManager.h"
#include "shell/WidWebTab.h"
#include "shell/WidWebView.h"
#include "texts/LocaleMessage.h"

#include <QFile>
#include <QSignalSpy>
#include <QUrlQuery>
#include <QWebElement>
#include <QWebFrame>
#include <QWebPage>
#include <QtTest>

using namespace Vexal;

namespace {

// A loopback site with one page per form kind, shown in a real web tab, on a
// fresh database with one project and one website.
struct Site
{
    TestDatabase db;
    LoopbackServer server;
    WidWebTab tab;
    int websiteId = -1;

    bool start()
    {
        Logger::resetForTests();
        if (!db.isOpen() || !server.start())
            return false;
        for (const char* name : {"login", "register", "article", "directory", "social"}) {
            QFile file(QStringLiteral(":/site/%1.html").arg(QLatin1String(name)));
            if (!file.open(QIODevice::ReadOnly))
                return false;
            server.setPage(QStringLiteral("/%1.html").arg(QLatin1String(name)), "text/html; charset=utf-8",
                           file.readAll());
        }
        if (useProject(QStringLiteral("P")) < 0)
            return false;
        DBWebsite website;
        website.setName(QStringLiteral("site"));
        website.setHost(QStringLiteral("{127.0.0.1}"));
        if (!website.save())
            return false;
        websiteId = website.id();
        tab.setInit(nullptr);
        return tab.webView() != nullptr;
    }

    QWebView* view() const { return tab.webView(); }
    QWebFrame* frame() const { return view()->page()->mainFrame(); }

    bool open(const QString& page)
    {
        // A form sent earlier may still be answering: wait for this page.
        const QUrl target = server.url(QStringLiteral("/%1.html").arg(page));
        QSignalSpy loaded(view(), &QWebView::loadFinished);
        view()->load(target);
        return QTest::qWaitFor([&] {
            return !loaded.isEmpty() && loaded.last().first().toBool() && view()->url() == target;
        }, 10000);
    }

    QString live(const QString& name) const
    {
        return frame()
            ->findFirstElement(QStringLiteral("[name=\"%1\"]").arg(name))
            .evaluateJavaScript(QStringLiteral("this.value"))
            .toString();
    }

    // Submits the page's form the way a user's click would end, through the
    // engine, and returns the fields the server received.
    QMap<QString, QString> post(const QString& path, bool submitForm = true)
    {
        if (submitForm) {
            WebKitPageDom dom(view());
            SelectorManager manager{PageDomHandle(dom)};
            manager.click(dom.wrap(frame()->findFirstElement(QStringLiteral("form[method=\"post\"]"))));
        }
        QMap<QString, QString> fields;
        if (!QTest::qWaitFor([&] { return !server.requestsFor(path).isEmpty(); }, 10000))
            return fields;
        const LoopbackServer::Request request = server.requestsFor(path).first();
        QString body = QString::fromUtf8(request.body);
        body.replace(QLatin1Char('+'), QLatin1Char(' '));
        for (const auto& item : QUrlQuery(body).queryItems(QUrl::FullyDecoded))
            fields.insert(item.first, item.second);
        return fields;
    }
};

// The named fields as the form sent them, written like `wanted`
// ("name=value|name=value"), so that a whole form compares at once.
QString fieldsLike(const QMap<QString, QString>& sent, const QString& wanted)
{
    QStringList pairs;
    for (const QString& pair : wanted.split(QLatin1Char('|'))) {
        const QString name = pair.section(QLatin1Char('='), 0, 0);
        pairs << name + QLatin1Char('=') + sent.value(name);
    }
    return pairs.join(QLatin1Char('|'));
}

int countLines(const QStringList& lines, const QString& text)
{
    const QString escaped = text.toHtmlEscaped();
    int count = 0;
    for (const QString& line : lines)
        count += line.contains(escaped) ? 1 : 0;
    return count;
}

int notFound(const QString& caption)
{
    return countLines(Logger::infos(), LocaleMessage::fieldNotFound(caption));
}

int saveCategory(const QString& name, int masterId)
{
    return addRow(QStringLiteral("Category"), {{"Name", name}, {"MasterID", masterId}});
}

int saveMaster(const QString& birthday)
{
    return addRow(QStringLiteral("MasterAccount"),
                  {{"Name", "anna"}, {"FirstName", "Anna"}, {"LastName", "Berg"}, {"Login", "annab"},
                   {"Password", scrambled(QStringLiteral("pä ss&1"))},
                   {"Email", "anna@example.com"}, {"City", "Oslo"}, {"Country", "Norway"}, {"Phone", "555 123 4567"},
                   {"Gender", 1},
                   {"Question", 2}, {"Answer", "Bergen"},
                   {"Birthday", birthday}});
}

// An article of the current project with one spun article of given finals.
QPair<int, int> saveArticle(const QVariantMap& article, const QVariantMap& spun)
{
    QVariantMap row = article;
    row.insert(QStringLiteral("Name"), QStringLiteral("a"));
    row.insert(QStringLiteral("ProjectID"), DBCache::projectId());
    const int id = addRow(QStringLiteral("Article"), row);
    row = spun;
    row.insert(QStringLiteral("Name"), QStringLiteral("s"));
    row.insert(QStringLiteral("ProjectID"), DBCache::projectId());
    row.insert(QStringLiteral("ArticleID"), id);
    return {id, addRow(QStringLiteral("SpunArticle"), row)};
}

} // namespace

class FillingTest : public QObject
{
    Q_OBJECT

private slots:
    void loginFillsAndSubmits()
    {
        Site site;
        QVERIFY(site.start());
        QVERIFY(addRow(QStringLiteral("LoginTemplate"),
                       {{"WebsiteID", site.websiteId}, {"Login", "INPUT[name=\"user\"]"},
                        {"Password", "INPUT[name=\"pwd\"]"}, {"Submit", "FORM[id=\"signin\"]"}}) > 0);

        // Without the click: written, not sent.
        QVERIFY(site.open(QStringLiteral("login")));
        DelegateLoginSubmitter(PageDomHandle(site.view()), nullptr)
            .submit(QStringLiteral("anna"), QStringLiteral("s3 cr&t"), false, site.websiteId);
        QCOMPARE(site.live(QStringLiteral("user")), QStringLiteral("anna"));
        QCOMPARE(site.live(QStringLiteral("pwd")), QStringLiteral("s3 cr&t"));

        // By template, the form named by the Submit selector is sent.
        DelegateLoginSubmitter(PageDomHandle(site.view()), nullptr)
            .submit(QStringLiteral("bob"), QStringLiteral("s3 cr&t"), true, site.websiteId);
        QMap<QString, QString> sent = site.post(QStringLiteral("/session"), false);
        QCOMPARE(sent.value(QStringLiteral("user")), QStringLiteral("bob"));
        QCOMPARE(sent.value(QStringLiteral("pwd")), QStringLiteral("s3 cr&t"));
        QCOMPARE(site.server.requestsFor(QStringLiteral("/session")).size(), 1);

        // A Submit selector that finds nothing on the page: filled, not sent,
        // and the user told so.
        QVERIFY(TestDatabase::exec(QStringLiteral("UPDATE LoginTemplate SET Submit = 'FORM[id=\"gone\"]'")));
        QVERIFY(site.open(QStringLiteral("login")));
        QSignalSpy notices(UtilSignalManager::instance(), &UtilSignalManager::onError);
        DelegateLoginSubmitter(PageDomHandle(site.view()), nullptr)
            .submit(QStringLiteral("dan"), QStringLiteral("pw"), true, site.websiteId);
        QCOMPARE(site.live(QStringLiteral("user")), QStringLiteral("dan"));
        QCOMPARE(notices.size(), 1);
        QCOMPARE(notices.first().first().toString(), LocaleMessage::formNotSent());
        QCOMPARE(notFound(QStringLiteral("Submit")), 1);

        // No template (website -1): recognised and the submit button clicked;
        // the search form above is left alone.
        site.server.clearRequests();
        QVERIFY(site.open(QStringLiteral("login")));
        DelegateLoginSubmitter(PageDomHandle(site.view()), nullptr)
            .login(QStringLiteral("carl"), QStringLiteral("pw"), true, -1);
        sent = site.post(QStringLiteral("/session"), false);
        QString fields = QStringLiteral("user=carl|pwd=pw|go=Log in");
        QCOMPARE(fieldsLike(sent, fields), fields);
        QVERIFY(site.server.requestsFor(QStringLiteral("/search")).isEmpty());
        QVERIFY(Logger::errors().isEmpty());
    }

    void registrationByTemplateAndSmart()
    {
        Site site;
        QVERIFY(site.start());
        const int master = saveMaster(QStringLiteral("1980-05-17"));
        QVERIFY(master > 0);
        QVERIFY(addRow(QStringLiteral("RegistrationTemplate"),
                       {{"WebsiteID", site.websiteId}, {"FirstName", "INPUT[name=\"fname\"]"},
                        {"Gender", "INPUT[name=\"sx\"&&value=\"2\"]"}, {"Login", "INPUT[name=\"login\"]"},
                        {"Password", "INPUT[name=\"pass1\"]"}, {"RPassword", "INPUT[name=\"pass2\"]"},
                        {"Email", "INPUT[name=\"email\"]"}, {"Question", "SELECT[name=\"quest\"]"},
                        {"City", "INPUT[name=\"town\"]"}, {"AcceptTerms", "INPUT[name=\"tos\"]"}}) > 0);

        QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
        QVERIFY(site.open(QStringLiteral("register")));
        DelegateRegistrationSubmitter(PageDomHandle(site.view()), nullptr).submit(master, site.websiteId);
        // Nothing is sent until the user (here the test) submits.
        QCOMPARE(site.view()->url(), site.server.url(QStringLiteral("/register.html")));
        QMap<QString, QString> sent = site.post(QStringLiteral("/join"));
        QString fields = QStringLiteral("fname=Anna|lname=|login=annab|pass1=pä ss&1|pass2=pä ss&1|sx=2|"
                                        "quest=Town|town=Oslo|tos=yes|b1=Year");
        QCOMPARE(fieldsLike(sent, fields), fields);

        // Smart: every password control gets the password, the birthday goes
        // into year, month and day.
        site.server.clearRequests();
        QVERIFY(site.open(QStringLiteral("register")));
        DelegateRegistrationSubmitter(PageDomHandle(site.view()), nullptr).submit(master, -1);
        sent = site.post(QStringLiteral("/join"));
        fields = QStringLiteral("fname=Anna|lname=Berg|pass1=pä ss&1|pass2=pä ss&1|"
                                "email=anna@example.com|sx=2|b1=1980|b2=May|b3=17|tos=yes");
        QCOMPARE(fieldsLike(sent, fields), fields);
        QCOMPARE(errors.count(), 0);
        // A field the form has no box for is an information line.
        QCOMPARE(notFound(QStringLiteral("Zip Code")), 1);

        // A birthday that is no date fills no year, month or day.
        const int undated = saveMaster(QString());
        site.server.clearRequests();
        QVERIFY(site.open(QStringLiteral("register")));
        DelegateRegistrationSubmitter(PageDomHandle(site.view()), nullptr).submit(undated, -1);
        sent = site.post(QStringLiteral("/join"));
        fields = QStringLiteral("fname=Anna|b1=Year|b2=Month|b3=Select day");
        QCOMPARE(fieldsLike(sent, fields), fields);
    }

    // A value longer than its box is never typed cut: the box stays empty and
    // the fill names each box on its error notice, by its label, one line a
    // box, by recognition and by template, for a sign-up and a login. A box
    // the form needs (required, marked so on its label, a password box) that
    // the fill leaves empty is named with the reason. A login with a box
    // left empty is not sent. Values that fit say nothing.
    void valuesThatDoNotFit_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("told");
        const auto signUp = [](const char* password, const char* email, const QString& more = QString()) {
            return QStringLiteral("<p>Username <input name='user'></p><p>Password <input type='password' name='p1' "
                                  "maxlength='%1'></p><p>Repeat password <input type='password' name='p2' "
                                  "maxlength='%1'></p><p>E-mail <input name='em' maxlength='%2'></p>%3")
                .arg(QLatin1String(password), QLatin1String(email), more);
        };
        const auto login = [](const char* password, bool button = true) {
            return QStringLiteral("<p>User <input name='user'></p><p>Password <input type='password' name='p1' "
                                  "maxlength='%1'></p>%2")
                .arg(QLatin1String(password),
                     button ? QStringLiteral("<input type='submit' name='go' value='Go'>") : QString());
        };
        const QString misfits = QStringLiteral(
            "These fields were left empty, as their values do not fit:\n"
            "Password: the box takes 5 characters, the value has 7\n"
            "Repeat password: the box takes 5 characters, the value has 7\n"
            "E-mail: the box takes 10 characters, the value has 16");
        const QString notSent = QStringLiteral("The form was filled but not sent: a box it needs stayed empty.\n");
        const QString loginMisfit =
            QStringLiteral("These fields were left empty, as their values do not fit:\nPassword: the box takes 5 "
                           "characters, the value has 7");
        QTest::newRow("sign-up by recognition") << "smart" << signUp("5", "10") << QStringList{misfits};
        QTest::newRow("sign-up by template") << "template" << signUp("5", "10") << QStringList{misfits};
        QTest::newRow("sign-up whose values fit") << "smart" << signUp("8", "16") << QStringList();
        QTest::newRow("login by recognition") << "login" << login("5") << QStringList{notSent + loginMisfit};
        QTest::newRow("login without a button") << "login" << login("5", false)
                                                << QStringList{notSent + loginMisfit};
        QTest::newRow("login whose values fit") << "login" << login("7") << QStringList();
        QTest::newRow("a box of one character")
            << "login" << login("1")
            << QStringList{notSent + QStringLiteral("These fields were left empty, as their values do not fit:\n"
                                                    "Password: the box takes 1 character, the value has 7")};
        QTest::newRow("a login without its password")
            << "login, no password" << login("7")
            << QStringList{notSent + "These boxes the form needs were left empty:\nPassword: no value is stored for it"};
        QTest::newRow("a login without its login")
            << "login, no login" << login("7")
            << QStringList{notSent + "These boxes the form needs were left empty:\nUser: no value is stored for it"};
        QTest::newRow("a login template that finds no password box")
            << "login by template" << login("7")
            << QStringList{notSent + "These boxes the form needs were left empty:\n"
                                     "Password: the website's template does not find it"};
        QTest::newRow("a login template that finds no login box")
            << "login by template, no login box" << login("7")
            << QStringList{notSent + "These boxes the form needs were left empty:\n"
                                     "Login: no box of the page was found for it"};
        // Required by its attribute, by a word in brackets and by a star.
        QTest::newRow("required boxes the profile cannot fill")
            << "smart"
            << signUp("8", "16", "<p>Full&nbsp;address <textarea name='addr' required></textarea></p><p>Postal code "
                                 "(required) <input name='zip'></p><p>Country * <select name='ctry'><option value=''>"
                                 "Choose</option><option>Sweden</option></select></p><p>Phone <input name='ph'></p>"
                                 "<p><input type='checkbox' name='news' required> Send me news</p>")
            << QStringList{"These boxes the form needs were left empty:\nFull address: no value is stored for it\n"
                           "Postal code: no value is stored for it\nCountry: none of its options is the value\n"
                           "Send me news: the fill leaves it unticked"};
        // A box first in its form, labelled after it; a number no boxes
        // take; a box the page does not let the user type into.
        QTest::newRow("a first box, a number, a closed box")
            << "smart"
            << "<p><input name='code' required> Invite code</p>"
                   + signUp("8", "16", "<p>Phone <input name='ph' maxlength='3'></p><p>Company <input name='co' "
                                       "required disabled></p>")
            << QStringList{"These fields were left empty, as their values do not fit:\nPhone: the box takes 3 "
                           "characters, the value has 12\nThese boxes the form needs were left empty:\nInvite code: "
                           "no value is stored for it"};
        QTest::newRow("a birthday the profile does not hold")
            << "smart, no birthday"
            << signUp("8", "16", "<p>Year of birth * <select name='by'><option value=''>Year</option><option>1980"
                                 "</option></select></p>")
            << QStringList{"These boxes the form needs were left empty:\nYear of birth: no value is stored for it"};
        // A multi-line address takes the street and the details below it; a
        // question that tests the user is his to answer.
        QTest::newRow("a multi-line address, a human check")
            << "smart, addressed"
            << signUp("8", "16", "<p>Full address <textarea name='addr' required></textarea></p><p>What is 3 + 4? * "
                                 "<input name='hc'></p>")
            << QStringList{"These boxes the form needs were left empty:\nWhat is 3 + 4?: a question for you to answer"};
        QTest::newRow("a multi-line address beside its details box")
            << "smart, addressed"
            << signUp("8", "16", "<p>Full address <textarea name='addr'></textarea></p><p>Address line 2 <input "
                                 "name='a2'></p>")
            << QStringList();
        QTest::newRow("an address in a box of one line")
            << "smart, addressed" << signUp("8", "16", "<p>Full address <textarea name='addr' rows='1'></textarea></p>")
            << QStringList();
        // A question of its own takes the answer where it is the account's
        // question, and so does the box that repeats it; any other is named.
        QTest::newRow("questions of their own")
            << "smart"
            << signUp("8", "16", "<p><label for='q1'>In what town were you born? *</label> <input id='q1' "
                                 "name='q1'></p><p>Re-type answer * <input name='q2'></p><p><label for='q3'>What was "
                                 "your favourite teacher's name? *</label> <input id='q3' name='q3'></p>")
            << QStringList{"These boxes the form needs were left empty:\nWhat was your favourite teacher's name?: a "
                           "question for you to answer"};
        // Boxes whose agreement the fill cannot tell apart are named, ticked
        // or not as the page has them.
        QTest::newRow("agreements it cannot tell apart")
            << "smart"
            << signUp("8", "16", "<p><input type='checkbox' name='a'> Souhlas&iacute;m s <a href='/x1'>podm&iacute;nkami"
                                 "</a></p><p><input type='checkbox' name='b' checked> Chci <a href='/x2'>novinky</a>"
                                 "</p>")
            << QStringList{QString::fromUtf8("These boxes the form needs were left empty:\nSouhlasím s podmínkami: a "
                                             "box for you to tick if you agree")};
        QTest::newRow("a required box the template does not name")
            << "template" << signUp("8", "16", "<p>Nickname: * <input name='nick'></p>")
            << QStringList{"These boxes the form needs were left empty:\n"
                           "Nickname: the website's template does not find it"};
        // Where pages put the marks of what a form must have, in any
        // language, and the boxes no user types into.
        const auto leftEmpty = [](const QStringList& boxes) {
            return QStringList{QStringLiteral("These boxes the form needs were left empty:\n") + boxes.join('\n')};
        };
        const QString unsure = QStringLiteral(": I can't tell what it asks for");
        QTest::newRow("stars before the captions")
            << "smart" << signUp("8", "16", "<p>* Provincia: <input name='pv'></p><p>*NIF <input name='nif'></p>")
            << leftEmpty({"Provincia" + unsure, "NIF" + unsure});
        QTest::newRow("a star alone beside the label")
            << "smart"
            << signUp("8", "16", "<p><label for='pr'>Provincie</label> <span class='verplicht'>*</span> <input "
                                 "id='pr' name='pr'></p>")
            << leftEmpty({"Provincie" + unsure});
        QTest::newRow("aria-required") << "smart"
                                       << signUp("8", "16", "<p>Steuernummer <input name='st' aria-required='true'></p>")
                                       << leftEmpty({"Steuernummer" + unsure});
        QTest::newRow("a framework's marks on the boxes")
            << "smart"
            << signUp("8", "16", "<p>CPF <input name='cpf' class='form-control required'></p><p>Celular <input "
                                 "name='cel' data-parsley-required='true'></p><p>Apelido <input name='ap' "
                                 "data-parsley-required='false'></p>")
            << leftEmpty({"CPF" + unsure, "Celular" + unsure});
        QTest::newRow("a required list that asks a question")
            << "smart"
            << signUp("8", "16", "<p>How old are you? * <select name='ag'><option value=''>--</option><option>18-24"
                                 "</option><option>25+</option></select></p>")
            << leftEmpty({"How old are you?: a question for you to answer"});
        QTest::newRow("a required list at its prompt")
            << "smart"
            << signUp("8", "16", "<p>Branche * <select name='br'><option value='0'>-- Bitte w\u00e4hlen --</option>"
                                 "<option value='1'>Handel</option></select></p>")
            << leftEmpty({"Branche" + unsure});
        QTest::newRow("a required list at a prompt without a value")
            << "smart"
            << signUp("8", "16", "<p>Sector * <select name='se'><option>-- Seleccione --</option><option>Comercio"
                                 "</option></select></p><p>Región * <select name='re'><option>-- Seleccione --"
                                 "</option><option selected>Norte</option></select></p>")
            << leftEmpty({"Sector" + unsure});
        QTest::newRow("a radio group required around it")
            << "smart"
            << signUp("8", "16", "<div role='radiogroup' aria-required='true'>Tipo de cliente <label><input "
                                 "type='radio' name='tc' value='p'> Particular</label> <label><input type='radio' "
                                 "name='tc' value='e'> Empresa</label></div>")
            << leftEmpty({"Tipo de cliente" + unsure});
        QTest::newRow("a radio group with a choice made")
            << "smart"
            << signUp("8", "16", "<p>Tipo de cliente * <input type='radio' name='tc' value='p' checked> Particular "
                                 "<input type='radio' name='tc' value='e'> Empresa</p>")
            << QStringList();
        QTest::newRow("boxes no user types into")
            << "smart"
            << signUp("8", "16", "<p>Data di nascita * <input name='dn' readonly></p><div style='position:absolute;"
                                 "left:-5000px'>Lascia vuoto <input name='hp' required></div><p style='opacity:0'>"
                                 "Non compilare <input name='hp2' required></p><p><img src='/captcha.php' width='120' "
                                 "height='40'> Codice * <input name='captcha_code'></p><p>Riferimento * <input "
                                 "name='rf' aria-readonly='true'></p>")
            << QStringList();
        const QString pictureAlone = signUp("8", "16", "<p><img src='/lib/captcha/show.php?sid=7' width='120' "
                                                       "height='40'> Codice di sicurezza * <input name='cs'></p>");
        QTest::newRow("a picture code named by its picture alone") << "smart" << pictureAlone << QStringList();
        QTest::newRow("a picture code named by its picture alone, by template")
            << "template" << pictureAlone << QStringList();
        QTest::newRow("a picture code told by its words, its picture drawn elsewhere")
            << "smart" << signUp("8", "16", "<p>Type the characters you see * <input name='v'></p>") << QStringList();
        QTest::newRow("a picture code the template does not name")
            << "template"
            << signUp("8", "16", "<p><img src='/c.png' width='120' height='40'> Security code * <input name='cc'></p>")
            << QStringList();
        // A box is named as the page shows it, by words it shows, set apart
        // from the program's words; the reason fits it.
        QTest::newRow("company and tax boxes")
            << "smart" << signUp("8", "16", "<p>Company name * <input name='co'></p><p>Tax ID * <input name='tx'></p>"
                                 "<p>VAT number * <input name='vat'></p>")
            << leftEmpty({"Company name: no value is stored for it", "Tax ID: no value is stored for it",
                          "VAT number: no value is stored for it"});
        QTest::newRow("marks of the page's markup read as text")
            << "smart"
            << signUp("8", "16", "<p><label for='qa'>Q&amp;A &lt;extra&gt;</label> <input id='qa' name='qa' "
                                 "required></p>")
            << leftEmpty({"Q&A <extra>" + unsure});
        QTest::newRow("boxes without a label")
            << "smart"
            << signUp("8", "16", "<p><input name='f1' placeholder='Stra\u00dfe' required> <input name='f2' "
                                 "title='Hausnummer' required> <input name='field_17' required></p>")
            << leftEmpty({"Stra\u00dfe" + unsure, "Hausnummer" + unsure,
                          "the form's box 7, which shows no label" + unsure});
        QTest::newRow("a right-to-left label")
            << "smart"
            << signUp("8", "16", "<p><label for='rt'>\u202b\u05e9\u05dd\u202c</label> <input id='rt' name='rt' "
                                 "required></p>")
            << leftEmpty({"\u2068\u202b\u05e9\u05dd\u202c\u2069" + unsure});
        QString eleven;
        QStringList ten;
        for (int i = 1; i <= 11; ++i) {
            eleven += QStringLiteral("<p>Campo %1 * <input name='c%1'></p>").arg(i);
            ten << QStringLiteral("Campo %1").arg(i) + unsure;
        }
        ten.last() = QStringLiteral("and 1 more");
        QTest::newRow("more than ten boxes") << "smart" << signUp("8", "16", eleven) << leftEmpty(ten);
        // The article template writes its body into "IFRAME[id=editor]:BODY"
        // (or the IFRAME inside the frame "outer"), its tags into "IMG[id=kw]".
        const QString editor = QStringLiteral("<p>Title <input name='t1'></p><iframe id='editor' src='/editor.html'>"
                                              "</iframe>");
        QTest::newRow("a template field that names a frame's body") << "article template" << editor << QStringList();
        QTest::newRow("an editor frame inside a frame")
            << "article template, editor in a frame"
            << "<p>Title <input name='t1'></p><iframe id='outer' src='/outer.html'></iframe>" << QStringList();
        QTest::newRow("a template field whose element takes no text")
            << "article template" << editor + "<img id='kw' alt='Tags'>"
            << QStringList{"These fields were not written:\nTags: the element its selector finds takes no text"};
    }

    void valuesThatDoNotFit()
    {
        QFETCH(QString, route);
        QFETCH(QString, form);
        QFETCH(QStringList, told);
        Site site;
        QVERIFY(site.start());
        const bool login = route.startsWith(QLatin1String("login"));
        site.server.setHtml(QStringLiteral("/editor.html"), QStringLiteral("<html><body></body></html>"));
        site.server.setHtml(QStringLiteral("/outer.html"),
                            QStringLiteral("<html><body><iframe id='editor' src='/editor.html'></iframe></body></html>"));
        site.server.setHtml(QStringLiteral("/fit.html"),
                            QStringLiteral("<html><body><form action='/join' method='post'>%1</form></body></html>")
                                .arg(form));
        const QUrl target = site.server.url(QStringLiteral("/fit.html"));
        QSignalSpy loaded(site.view(), &QWebView::loadFinished);
        site.view()->load(target);
        QVERIFY(QTest::qWaitFor([&] { return !loaded.isEmpty() && site.view()->url() == target; }, 10000));

        site.frame()->evaluateJavaScript(QStringLiteral(
            "window.sent = 0; document.addEventListener('submit', function () { window.sent++; }, true);"));
        QSignalSpy notices(UtilSignalManager::instance(), &UtilSignalManager::onError);
        QSignalSpy infos(UtilSignalManager::instance(), &UtilSignalManager::onInfo);
        const bool byTemplate = route.contains(QLatin1String("template"));
        const bool article = route.startsWith(QLatin1String("article"));
        if (article) {
            QVERIFY(addRow(QStringLiteral("ArticleTemplate"),
                           {{"WebsiteID", site.websiteId}, {"Title", "INPUT[name=\"t1\"]"}, {"Tags", "IMG[id=\"kw\"]"},
                            {"Body", route.endsWith(QLatin1String("in a frame")) ? "IFRAME[id=\"outer\"]:IFRAME"
                                                                                 : "IFRAME[id=\"editor\"]:BODY"}}) > 0);
            const auto ids = saveArticle({{"Tags", "a,b"}}, {{"TitleFinal", "T"}, {"BodyFinal", "Body <b>text</b>"}});
            DelegateArticleSubmitter(PageDomHandle(site.view()), nullptr).submit(ids.first, ids.second, site.websiteId);
        } else if (login) {
            if (byTemplate) {
                const bool loginBox = !route.endsWith(QLatin1String("no login box"));
                QVERIFY(addRow(QStringLiteral("LoginTemplate"),
                               {{"WebsiteID", site.websiteId},
                                {"Login", loginBox ? "INPUT[name=\"user\"]" : "INPUT[name=\"who\"]"},
                                {"Password", loginBox ? "INPUT[name=\"pass\"]" : "INPUT[name=\"p1\"]"},
                                {"Submit", "INPUT[name=\"go\"]"}}) > 0);
            }
            DelegateLoginSubmitter(PageDomHandle(site.view()), nullptr)
                .submit(route.endsWith(QLatin1String("no login")) ? QString() : QStringLiteral("anna"),
                        route.endsWith(QLatin1String("no password")) ? QString() : QStringLiteral("s3 cr&t"), true,
                        byTemplate ? site.websiteId : -1);
        } else {
            const int master = saveMaster(route.endsWith(QLatin1String("no birthday")) ? QString()
                                                                                   : QStringLiteral("1980-05-17"));
            if (byTemplate) {
                QVERIFY(addRow(QStringLiteral("RegistrationTemplate"),
                               {{"WebsiteID", site.websiteId}, {"Login", "INPUT[name=\"user\"]"},
                                {"Password", "INPUT[name=\"p1\"]"}, {"RPassword", "INPUT[name=\"p2\"]"},
                                {"Email", "INPUT[name=\"em\"]"}}) > 0);
            }
            if (route.endsWith(QLatin1String("addressed"))) {
                QVERIFY(TestDatabase::exec(QStringLiteral("UPDATE MasterAccount SET Address = 'Storgatan 1', "
                                                          "Details = 'Flat 2' WHERE ID = %1").arg(master)));
            }
            DelegateRegistrationSubmitter(PageDomHandle(site.view()), nullptr)
                .submit(master, byTemplate ? site.websiteId : -1);
            if (route.endsWith(QLatin1String("addressed")))
                QCOMPARE(site.live(QStringLiteral("addr")),
                         form.contains(QLatin1String("name='a2'")) || form.contains(QLatin1String("rows='1'"))
                             ? QStringLiteral("Storgatan 1")
                             : QStringLiteral("Storgatan 1\nFlat 2"));
            if (form.contains(QLatin1String("name='q1'")))
                QCOMPARE(site.live(QStringLiteral("q1")) + site.live(QStringLiteral("q2")), QStringLiteral("BergenBergen"));
        }
        QStringList got;
        for (const QList<QVariant>& notice : notices)
            got << notice.first().toString();
        QCOMPARE(got, told);
        if (article) {
            // The frame's body takes the text as its IFRAME would.
            QCOMPARE(site.live(QStringLiteral("t1")), QStringLiteral("T"));
            const QWebFrame* frame = site.frame();
            while (!frame->childFrames().isEmpty())
                frame = frame->childFrames().first();
            QCOMPARE(frame->findFirstElement(QStringLiteral("body")).toInnerXml(),
                     QStringLiteral("<p>Body <b>text</b></p>"));
            return;
        }
        // What fits is written; what does not, left out whole. A sign-up
        // with nothing left undone is the user's to send.
        if (!login) {
            QCOMPARE(infos.size(), told.isEmpty() ? 1 : 0);
            if (told.isEmpty())
                QCOMPARE(infos.first().first().toString(), LocaleMessage::registrationFilled());
            QCOMPARE(site.live(QStringLiteral("user")), QStringLiteral("annab"));
            QCOMPARE(site.live(QStringLiteral("em")), form.contains(QLatin1String("maxlength='16'"))
                                                         ? QStringLiteral("anna@example.com") : QString());
            QCOMPARE(site.live(QStringLiteral("p1")).isEmpty(), told.join(QString()).contains("Password: the box"));
            return;
        }
        QCOMPARE(site.live(QStringLiteral("p1")).isEmpty(), told.join(QString()).contains("Password:"));
        // A login is sent only with every box it needs filled.
        QCOMPARE(site.frame()->evaluateJavaScript(QStringLiteral("window.sent")).toInt(),
                 told.isEmpty() && form.contains(QLatin1String("submit")) ? 1 : 0);
    }

    void articleByTemplateAndSmart()
    {
        Site site;
        QVERIFY(site.start());
        const int parent = saveCategory(QStringLiteral("Sites"), -1);
        saveCategory(QStringLiteral("business"), parent);
        saveCategory(QStringLiteral("biz"), parent);
        const auto article =
            saveArticle({{"CategoryID", parent}, {"Tags", "a,,b, c,"}, {"Author", "Me"}},
                        {{"TitleFinal", "Final title"}, {"Intro", "{Hello|Hello}"}, {"BodyFinal", "Body text"}});
        QVERIFY(article.second > 0);
        QVERIFY(addRow(QStringLiteral("ArticleTemplate"),
                       {{"WebsiteID", site.websiteId}, {"Category", "SELECT[name=\"cat\"]"},
                        {"Title", "INPUT[name=\"t1\"]"}, {"Tags", "INPUT[name=\"kw\"]"},
                        {"Author", "TEXTAREA[name=\"about\"]"}, {"Intro", "TEXTAREA[name=\"s\"]"},
                        {"Body", "TEXTAREA[name=\"a_txt\"]"}}) > 0);

        QVERIFY(site.open(QStringLiteral("article")));
        DelegateArticleSubmitter(PageDomHandle(site.view()), nullptr)
            .submit(article.first, article.second, site.websiteId);
        QMap<QString, QString> sent = site.post(QStringLiteral("/article-post"));
        // The options' order decides between the child category names.
        QString fields = QStringLiteral("cat=Biz|t1=Final title|kw=a,b, c|about=Me|s=Hello|a_txt=Body text");
        QCOMPARE(fieldsLike(sent, fields), fields);
        QVERIFY(!sent.contains(QStringLiteral("agree_box")));

        // Smart, and an article without a category chooses none.
        QVERIFY(TestDatabase::exec(QStringLiteral("UPDATE Article SET CategoryID = -1")));
        site.server.clearRequests();
        QVERIFY(site.open(QStringLiteral("article")));
        DelegateArticleSubmitter(PageDomHandle(site.view()), nullptr).submit(article.first, article.second, -1);
        sent = site.post(QStringLiteral("/article-post"));
        fields = QStringLiteral("cat=Choose|t1=Final title|kw=a,b, c|about=Me|s=Hello|a_txt=Body text|"
                                "agree_box=yes");
        QCOMPARE(fieldsLike(sent, fields), fields);
        QCOMPARE(notFound(QStringLiteral("Category")), 0);

        // A title longer than its box is told.
        QVERIFY(site.open(QStringLiteral("article")));
        site.frame()->evaluateJavaScript(QStringLiteral("document.getElementsByName('t1')[0].maxLength = 5"));
        QSignalSpy notices(UtilSignalManager::instance(), &UtilSignalManager::onError);
        DelegateArticleSubmitter(PageDomHandle(site.view()), nullptr).submit(article.first, article.second, -1);
        QCOMPARE(notices.size(), 1);
        QCOMPARE(notices.first().first().toString(),
                 QStringLiteral("These fields were left empty, as their values do not fit:\n"
                                "Article title: the box takes 5 characters, the value has 11"));
    }

    void directoryAndSocialBookmark()
    {
        Site site;
        QVERIFY(site.start());
        const int entry = addRow(QStringLiteral("Directory"),
                                 {{"Name", "d"}, {"ProjectID", DBCache::projectId()}, {"Title", "Тесвар сайт"},
                                  {"Tags", "x,,y"}, {"URL", "http://example.com/"}, {"Description", "About"},
                                  {"UserName", "Dag"}, {"UserEmail", "dag@example.com"}});
        // Matches every text input: only the first gets the title.
        QVERIFY(addRow(QStringLiteral("DirectoryTemplate"),
                       {{"WebsiteID", site.websiteId}, {"Category", "SELECT[name=\"category_id\"]"},
                        {"Title", "FORM[id=\"add\"]:INPUT[type=\"text\"]"}, {"Tags", "INPUT[name=\"nothing\"]"},
                        {"URL", "INPUT[name=\"u1\"]"}, {"UserName", "INPUT[name=\"x1\"]"},
                        {"UserEmail", "INPUT[name=\"x2\"]"}, {"AcceptTerms", "INPUT[name=\"c1\"]"}}) > 0);

        QVERIFY(site.open(QStringLiteral("directory")));
        DelegateDirectorySubmitter(PageDomHandle(site.view()), nullptr).submit(entry, site.websiteId);
        QMap<QString, QString> sent = site.post(QStringLiteral("/listing"));
        QString fields = QStringLiteral("category_id=Top|t=Тесвар сайт|kw=|u1=http://example.com/|d=|x1=Dag|"
                                        "x2=dag@example.com|c1=yes");
        QCOMPARE(fieldsLike(sent, fields), fields);
        // The field found nowhere is an information line; the empty one is silent.
        QCOMPARE(notFound(QStringLiteral("Tags")), 1);
        QCOMPARE(notFound(QStringLiteral("Description")), 0);
        QCOMPARE(Logger::infos().size(), 1);
        QVERIFY(Logger::errors().isEmpty());

        const int bookmark = addRow(QStringLiteral("SocialBookmark"),
                                    {{"Name", "b"}, {"ProjectID", DBCache::projectId()}, {"Title", "Tesvar"},
                                     {"Tags", "web,,seo"}, {"URL", "http://example.com/"}, {"Description", "Notes"}});
        // The website has no social bookmark template: recognition.
        QVERIFY(site.open(QStringLiteral("social")));
        DelegateSocialBookmarkSubmitter(PageDomHandle(site.view()), nullptr).submit(bookmark, site.websiteId);
        sent = site.post(QStringLiteral("/bookmark"));
        fields = QStringLiteral("url=http://example.com/|title=Tesvar|tags=web,seo|n=Notes");
        QCOMPARE(fieldsLike(sent, fields), fields);
        QVERIFY(!sent.contains(QStringLiteral("private")));
    }

    void quickLoginOnTheCurrentTab()
    {
        Site site;
        QVERIFY(site.start());
        DBOptions options;
        options.setSaveHistory(false);
        DBCache::setOptions(&options);
        QVERIFY(addRow(QStringLiteral("Account"),
                       {{"Name", "acc"}, {"ProjectID", DBCache::projectId()}, {"WebsiteID", site.websiteId},
                        {"Login", "acc"},
                        {"Password", scrambled(QStringLiteral("acc-pw"))}}) > 0);

        QWidget window;
        WidTabManager tabs(&window);
        auto* tab = new WidWebTab;
        tabs.addTab(tab, nullptr, false, true);
        QVERIFY(tab->webView());
        const auto open = [&] {
            const QUrl target = site.server.url(QStringLiteral("/login.html"));
            QSignalSpy loaded(tab->webView(), &QWebView::loadFinished);
            tab->load(target);
            return QTest::qWaitFor([&] {
                return !loaded.isEmpty() && loaded.last().first().toBool() && tab->url() == target;
            }, 10000);
        };
        QVERIFY(open());
        DelegateWeb(&tabs, &window).quickLogin();
        const QMap<QString, QString> sent = site.post(QStringLiteral("/session"), false);
        QCOMPARE(sent.value(QStringLiteral("user")), QStringLiteral("acc"));
        QCOMPARE(sent.value(QStringLiteral("pwd")), QStringLiteral("acc-pw"));

        // The account look-up fails: reported, nothing filled or sent.
        QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
        QTRY_COMPARE(tab->url(), site.server.url(QStringLiteral("/session")));
        site.server.clearRequests();
        QVERIFY(open());
        QVERIFY(TestDatabase::exec(QStringLiteral("DROP TABLE Account")));
        DelegateWeb(&tabs, &window).quickLogin();
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.last().first().toString(), LocaleMessage::unexpectedError());
        QCOMPARE(tab->webView()->page()->mainFrame()->findFirstElement(QStringLiteral("[name=\"user\"]"))
                     .evaluateJavaScript(QStringLiteral("this.value")).toString(), QString());
        QVERIFY(site.server.requestsFor(QStringLiteral("/session")).isEmpty());
    }

    void badInput()
    {
        Site site;
        QVERIFY(site.start());
        const int master = saveMaster(QStringLiteral("1980-05-17"));
        QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
        const auto article = saveArticle({}, {{"TitleFinal", "T"}});
        QVERIFY(addRow(QStringLiteral("ArticleTemplate"),
                       {{"Name", "Posts"}, {"WebsiteID", site.websiteId}, {"Category", "SELECT[name=\"cat\"]"},
                        {"Title", "INPUT[name="}, {"Tags", "INPUT[name=\"kw\"]"}}) > 0);

        // A selector stored before it was checked, that does not parse:
        // the template and the field are named, and nothing is written,
        // not even the field parsed before it.
        QVERIFY(site.open(QStringLiteral("article")));
        DelegateArticleSubmitter(PageDomHandle(site.view()), nullptr)
            .submit(article.first, article.second, site.websiteId);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.last().first().toString(),
                 QStringLiteral("Website template \"Posts\" contains an invalid selector in its field \"Title\". I "
                                "can't parse it: Incomplete selector. Selector: INPUT[name="));
        QCOMPARE(Logger::errors().size(), 1);
        QCOMPARE(site.live(QStringLiteral("t1")), QString());
        QCOMPARE(site.live(QStringLiteral("kw")), QString());
        QCOMPARE(site.frame()->findFirstElement(QStringLiteral("select")).evaluateJavaScript(
                     QStringLiteral("this.selectedIndex")).toInt(), 0);

        // A record that cannot be loaded: the general message, nothing written.
        DelegateArticleSubmitter(PageDomHandle(site.view()), nullptr).submit(article.first, 9999, -1);
        QCOMPARE(errors.count(), 2);
        QCOMPARE(errors.last().first().toString(), LocaleMessage::unexpectedError());
        QCOMPARE(site.live(QStringLiteral("t1")), QString());

        // A template list that cannot be loaded stops the fill: no recognition.
        QVERIFY(TestDatabase::exec(QStringLiteral("DROP TABLE RegistrationTemplate")));
        QVERIFY(site.open(QStringLiteral("register")));
        DelegateRegistrationSubmitter(PageDomHandle(site.view()), nullptr).submit(master, site.websiteId);
        QCOMPARE(errors.count(), 3);
        QCOMPARE(errors.last().first().toString(), LocaleMessage::unexpectedError());
        QCOMPARE(site.live(QStringLiteral("fname")), QString());

        // A page that is not the form the template was made for: every field
        // is reported missing and the page is left as it is.
        Logger::resetForTests();
        QVERIFY(TestDatabase::exec(QStringLiteral("UPDATE ArticleTemplate SET Title = 'INPUT[name=\"t1\"]'")));
        QVERIFY(site.open(QStringLiteral("social")));
        DelegateArticleSubmitter(PageDomHandle(site.view()), nullptr)
            .submit(article.first, article.second, site.websiteId);
        QCOMPARE(notFound(QStringLiteral("Category")), 1);
        QCOMPARE(notFound(QStringLiteral("Title")), 1);
        QCOMPARE(notFound(QStringLiteral("Tags")), 1);
        QCOMPARE(site.live(QStringLiteral("title")), QString());

        // Smart recognition that finds no form: its message, nothing written.
        DelegateLoginSubmitter(PageDomHandle(site.view()), nullptr)
            .submit(QStringLiteral("a"), QStringLiteral("b"), true, -1);
        QCOMPARE(errors.count(), 4);
        QCOMPARE(site.live(QStringLiteral("title")), QString());

        // The view goes away before the fill: nothing to write, no crash.
        const int before = errors.count();
        {
            auto* view = new QWebView;
            DelegateDirectorySubmitter delegate(PageDomHandle(view), nullptr);
            delete view;
            QVERIFY(!PageDomFactory::viewOf(delegate.dom()));
            delegate.submit(addRow(QStringLiteral("Directory"),
                                   {{"Name", "d"}, {"ProjectID", DBCache::projectId()}}), -1);
        }
        QVERIFY(errors.count() >= before);
        QVERIFY(site.server.requestsFor(QStringLiteral("/session")).isEmpty());
    }
};

TESVAR_TEST(FillingTest)
#include "FillingTest.moc"
