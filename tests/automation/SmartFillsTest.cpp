#include "SmartTestPage.h"
#include "TestData.h"
#include "TestDatabase.h"
#include "TestRows.h"
#include "TestRunner.h"

#include "automation/submit/DelegateArticleSubmitter.h"
#include "automation/submit/DelegateDirectorySubmitter.h"
#include "automation/submit/DelegateLoginSubmitter.h"
#include "automation/submit/DelegateRegistrationSubmitter.h"
#include "automation/submit/DelegateSocialBookmarkSubmitter.h"
#include "automation/selector/SelectorList.h"
#include "automation/smart/SmartCountry.h"
#include "automation/smart/SmartFieldLookup.h"
#include "data/DBCache.h"

#include <QWebFrame>
#include <QWebPage>
#include <QtTest>

using namespace Vexal;
using namespace SmartTestPage;

namespace {

QVariantMap merged(QVariantMap base, const QVariantMap& over)
{
    for (auto it = over.begin(); it != over.end(); ++it)
        base.insert(it.key(), it.value());
    return base;
}

// Stores what a form kind fills from (the master account, or the content of
// the current project under a category that holds the one named) and runs
// that kind's fill on the view, by the template when one is given.
void fill(QWebView& view, const QString& form, const QVariantMap& record, const QVariantMap& templ)
{
    int websiteId = -1;
    if (!templ.isEmpty()) {
        websiteId = addRow(QStringLiteral("Website"), {{"Name", "site"}, {"Host", "{127.0.0.1}"}});
        addRow(form.left(1).toUpper() + form.mid(1) + QStringLiteral("Template"),
               merged(templ, {{"WebsiteID", websiteId}}));
    }
    if (form == QLatin1String("login")) {
        DelegateLoginSubmitter(PageDomHandle(&view), nullptr)
            .submit(QStringLiteral("anna"), QStringLiteral("pw"), true, websiteId);
        return;
    }
    if (form == QLatin1String("registration")) {
        const QVariantMap master = merged(
            {{"Name", "m"}, {"FirstName", "Anna"}, {"LastName", "Berg"}, {"FullName", "Anna Berg"},
             {"ScreenName", "annie"}, {"Login", "annab"}, {"Password", scrambled(QStringLiteral("pw"))},
             {"Email", "anna@example.com"}, {"Address", "Storgata 1"}, {"City", "Oslo"}, {"ZipCode", "0155"},
             {"Country", "Norway"}, {"Gender", 1}, {"Birthday", "1985-01-01"}},
            record);
        DelegateRegistrationSubmitter(PageDomHandle(&view), nullptr)
            .submit(addRow(QStringLiteral("MasterAccount"), master), websiteId);
        return;
    }
    QVariantMap row = merged({{"Name", "c"}, {"ProjectID", DBCache::projectId()}, {"Title", "Nordic bikes"},
                              {"URL", "http://bikes.example/"}, {"Description", "Bikes for the north"}},
                             record);
    if (form == QLatin1String("social")) {
        DelegateSocialBookmarkSubmitter(PageDomHandle(&view), nullptr)
            .submit(addRow(QStringLiteral("SocialBookmark"), row), websiteId);
        return;
    }
    const int top = addRow(QStringLiteral("Category"), {{"Name", "Top"}, {"MasterID", -1}});
    addRow(QStringLiteral("Category"), {{"Name", row.take(QStringLiteral("Category"))}, {"MasterID", top}});
    row.insert(QStringLiteral("CategoryID"), top);
    if (form == QLatin1String("directory")) {
        row.remove(QStringLiteral("Description"));
        DelegateDirectorySubmitter(PageDomHandle(&view), nullptr)
            .submit(addRow(QStringLiteral("Directory"), row), websiteId);
        return;
    }
    row.remove(QStringLiteral("URL"));
    row.remove(QStringLiteral("Description"));
    const int article = addRow(QStringLiteral("Article"), row);
    const int spun = addRow(QStringLiteral("SpunArticle"),
                            {{"Name", "s"}, {"ProjectID", DBCache::projectId()}, {"ArticleID", article},
                             {"TitleFinal", "Nordic bikes"}, {"IntroFinal", "Intro"}, {"BodyFinal", "Body"}});
    DelegateArticleSubmitter(PageDomHandle(&view), nullptr).submit(article, spun, websiteId);
}

} // namespace

// What a user finds in the form after a fill, on forms that used to get
// values of another kind: choice lists with placeholders and countries,
// notices above the fields, messenger handles, name rows split by
// sub-labels and check-box lists of categories.
class SmartFillsTest : public QObject
{
    Q_OBJECT

private slots:
    void fills_data()
    {
        addColumns<QString, QString, QVariantMap, QVariantMap, QString>("page", "form", "record", "templ", "expected");
        const QVariantMap smart;
        const QVariantMap gender{{"Gender", "SELECT[name=\"gender\"]"}};
        const QVariantMap country{{"Country", "SELECT[name=\"country\"]"}};

        // Placeholders valued "-1" are no January and no 1st; "0" is no
        // woman, and does not take back what the user chose.
        QTest::newRow("birthday on the 1st") << "dating-signup.html" << "registration" << QVariantMap() << smart
                                             << "dob_month=1|dob_day=1|dob_year=1985|gender=1";
        QTest::newRow("gender by template") << "dating-signup.html" << "registration" << QVariantMap() << gender
                                            << "gender=1";
        QTest::newRow("user's choice kept") << "shop-account.html" << "registration"
                                            << QVariantMap{{"Gender", 0}, {"picked", "f"}} << gender << "gender=f";
        // Countries by their common names and codes, both routes.
        QTest::newRow("USA") << "shop-account.html" << "registration" << QVariantMap{{"Country", "USA"}} << smart
                             << "country=US";
        QTest::newRow("USA by template") << "shop-account.html" << "registration"
                                         << QVariantMap{{"Country", "USA"}} << country << "country=US";
        QTest::newRow("Russia") << "shop-account.html" << "registration" << QVariantMap{{"Country", "Russia"}}
                                << smart << "country=RU";
        QTest::newRow("three-letter code") << "shop-account.html" << "registration"
                                           << QVariantMap{{"Country", "deu"}} << country << "country=DE";
        QTest::newRow("country by its own name") << "shop-account.html" << "registration"
                                                 << QVariantMap{{"Country", "Finland"}} << smart << "country=FI";
        // A notice above the fields is no field's label.
        QTest::newRow("login notice") << "login-notice.html" << "login" << QVariantMap() << smart
                                      << "handle=anna|secret=pw|chk=";
        QTest::newRow("registration notice") << "register-notice.html" << "registration" << QVariantMap() << smart
                                             << "acct=annab|pw1=pw|mail=anna@example.com|sc=";
        QTest::newRow("directory notice") << "directory-notice.html" << "directory"
                                          << QVariantMap{{"UserName", "Anna Berg"}, {"UserEmail", "anna@example.com"}}
                                          << smart << "sname=|cname=Anna Berg|cmail=anna@example.com";
        QTest::newRow("messengers") << "community-signup.html" << "registration" << QVariantMap() << smart
                                    << "username=annab|email=anna@example.com|pf_a1=|pf_a2=|pf_a3=|pf_a4=|pf_a5=|"
                                       "user_icq=|pf_tw=|pf_loc=Storgata 1";
        QTest::newRow("first and last under the fields") << "hosting-order.html" << "registration" << QVariantMap()
                                                         << smart << "c_fn=Anna|c_ln=Berg|c_em=anna@example.com";
        QTest::newRow("given and family before them") << "event-signup.html" << "registration" << QVariantMap()
                                                      << smart << "nm1=Anna|nm2=Berg|mail=anna@example.com";
        // A category is ticked in a list of them; no box of it is cleared
        // as an offer, and the offers still are.
        QTest::newRow("categories under a heading")
            << "article-submit.html"
            << "article" << QVariantMap{{"Category", "Health & Fitness"}} << smart
            << "cat5?=true|cat2?=false|cat9?=false|notify_me?=false|"
               "agree_tos?=true";
        QTest::newRow("topics in a fieldset")
            << "bookmark-topics.html"
            << "social" << QVariantMap() << smart << "topic_general?=true|topic_news?=false|digest?=false";
        QTest::newRow("a category named by its value")
            << "<body><form><p>Title <input name='a_title'></p><p>Categories</p><div><input type='checkbox' "
               "name='cat[]' value='Sport' id='c1'> <label for='c1'>Sports and games</label><br><input "
               "type='checkbox' name='cat[]' value='News' id='c2'> <label for='c2'>News and society</label></div>"
               "<p>Article <textarea name='a_body'></textarea></p></form></body>"
            << "article" << QVariantMap{{"Category", "sport"}} << smart << "c1?=true|c2?=false";
        QTest::newRow("categories in a list")
            << "directory-cats.html"
            << "directory" << QVariantMap{{"Category", "Computers"}} << smart << "c12?=true|c11?=false|agree?=true";
        // A rich editor takes the body through its frame and leaves the text
        // area it hides to the editor. Tags go as the page asks for them;
        // a site's address after a written "http://" goes without its scheme.
        QTest::newRow("post editor's frame")
            << "post-editor.html" << "article" << QVariantMap{{"Tags", "bikes,north"}} << smart
            << "content_ifr/body=Body|content=|new-tag-post_tag=bikes,north";
        QTest::newRow("keywords separated by spaces")
            << "press-release.html" << "article" << QVariantMap{{"Tags", "bikes, north ,cycling"}} << smart
            << "pr_keywords=bikes north cycling|pr_summary=|pr_text=";
        QTest::newRow("directory address without its scheme")
            << "link-directory.html" << "directory" << QVariantMap{{"Tags", "bikes,north"}, {"Category", "Cycling"}}
            << smart << "site_addr=bikes.example/|site_kw=bikes north|topic_id=6";
        QTest::newRow("bookmark address, tags by spaces")
            << "bookmark-app.html" << "social" << QVariantMap{{"Tags", "bikes,north"}} << smart
            << "lf_address=http://bikes.example/|lf_tags=bikes north";
        QTest::newRow("story address without its scheme")
            << "story-submit.html" << "social" << QVariantMap() << smart << "story_url=bikes.example/|story_contact=";
        QTest::newRow("address and keywords as the page asks, by template")
            << "link-directory.html" << "directory" << QVariantMap{{"Tags", "bikes,north"}, {"Category", "Cycling"}}
            << QVariantMap{{"URL", "INPUT[name=\"site_addr\"]"}, {"Tags", "TEXTAREA[name=\"site_kw\"]"}}
            << "site_addr=bikes.example/|site_kw=bikes north";
        // A box the page follows with "@" and a domain takes the part of
        // the value before its "@", whichever value goes there.
        QTest::newRow("new address before its domain") << "mailbox-signup.html" << "registration" << QVariantMap()
                                                       << smart << "fn=Anna|addr=anna|pw2=pw|alt=anna@example.com";
        QTest::newRow("new address by template")
            << "mailbox-signup.html" << "registration" << QVariantMap() << QVariantMap{{"Email", "INPUT[name=\"addr\"]"}}
            << "addr=anna";
        QTest::newRow("login before a list of domains")
            << "webmail-domains.html" << "registration"
            << QVariantMap{{"Login", "anna.b@post.example"}, {"ScreenName", "annie@chat.example"}} << smart
            << "login=anna.b|domain=post.example|nick=annie|pass2=pw";
        // A value longer than its box is not typed cut; a phone number goes
        // into consecutive boxes that take its digits (after its country
        // code), else stays out.
        const QVariantMap phones{{"LastName", "Bergström"}, {"Phone", "+1 555 123-4567"}, {"Fax", "(555) 123 45"}};
        QTest::newRow("phone over three boxes") << "phone-boxes.html" << "registration" << phones << smart
                                                << "first=Anna|last=|ph_area=555|ph_pre=123|ph_num=4567|"
                                                   "fax_a=555|fax_b=12345|zip=0155|pw=pw";
        QTest::newRow("value as long as its box")
            << "phone-boxes.html" << "registration" << QVariantMap{{"LastName", "Berg"}, {"ZipCode", "01550"}}
            << smart << "last=Berg|zip=01550";
        QTest::newRow("phone by template")
            << "phone-boxes.html" << "registration" << phones
            << QVariantMap{{"LastName", "INPUT[name=\"last\"]"}, {"Phone", "INPUT[name=\"ph_area\"]"}}
            << "last=|ph_area=555|ph_pre=123|ph_num=4567";
        QTest::newRow("phone of other digits") << "phone-boxes.html" << "registration"
                                               << QVariantMap{{"Phone", "+47 22 12 34 56"}, {"Fax", "555 1234"}}
                                               << smart << "ph_area=|ph_pre=|ph_num=|fax_a=|fax_b=";
        // Parts of a birthday asked in text boxes take their digits, two for
        // a day or month where the box takes two.
        QTest::newRow("birthday in text boxes")
            << "<body><form><p>E-mail <input name='em'></p><p>Date of Birth <select name='dobMonth'><option value=''>"
               "Month</option><option value='1'>January</option></select> <input name='dobDay' value='Day (dd)' "
               "maxlength='2'> <input name='dobYear' maxlength='4'></p></form></body>"
            << "registration" << QVariantMap{{"Birthday", "1985-01-07"}} << smart
            << "em=anna@example.com|dobMonth=1|dobDay=07|dobYear=1985";
        // A box to type the security question into is the question's,
        // whatever its name says of the answer: it takes the text of the
        // account's question, never its place in a list, and the answer goes
        // to its own box.
        const QString question =
            QStringLiteral("<body><form><p>E-mail <input name='em'></p><p>Password <input type='password' "
                           "name='pw'></p><p>Security question <input name='SecretQuestionAnswer'></p><p>Answer "
                           "<input name='SecretAnswer'></p></form></body>");
        QTest::newRow("a question to type beside its answer")
            << question << "registration" << QVariantMap{{"Question", 2}, {"Answer", "Rex"}} << smart
            << "em=anna@example.com|SecretQuestionAnswer=In what town were you born?|SecretAnswer=Rex";
        QTest::newRow("a question to type by template")
            << question << "registration" << QVariantMap{{"Question", 0}}
            << QVariantMap{{"Question", "INPUT[name=\"SecretQuestionAnswer\"]"}}
            << "SecretQuestionAnswer=What was the name of your first pet?";
        QTest::newRow("a question the list does not hold")
            << question << "registration" << QVariantMap{{"Question", 10}} << smart << "SecretQuestionAnswer=";
        // Options written as paths take a value that names their last part;
        // one that several end in is no choice.
        QTest::newRow("category path") << "directory-paths.html" << "directory"
                                       << QVariantMap{{"Category", "Internet"}} << smart << "cat=8|title=Nordic bikes";
        QTest::newRow("category path by template")
            << "directory-paths.html" << "directory" << QVariantMap{{"Category", "cycling"}}
            << QVariantMap{{"Category", "SELECT[name=\"cat\"]"}} << "cat=14";
        QTest::newRow("category path of other marks") << "directory-paths.html" << "directory"
                                                      << QVariantMap{{"Category", "Outdoors"}} << smart << "cat=12";
        QTest::newRow("category two paths end in") << "directory-paths.html" << "directory"
                                                   << QVariantMap{{"Category", "Hosting"}} << smart << "cat=";
    }

    void fills()
    {
        QFETCH(QString, page);
        QFETCH(QString, form);
        QFETCH(QVariantMap, record);
        QFETCH(QVariantMap, templ);
        QFETCH(QString, expected);
        TestDatabase db;
        QVERIFY(useProject(QStringLiteral("P")) > 0);
        QWebView view;
        QVERIFY(page.endsWith(QLatin1String(".html")) ? load(view, page) : setHtml(view, page));
        watchSubmit(view);
        // A choice the user made before the fill.
        const QString picked = record.take(QStringLiteral("picked")).toString();
        if (!picked.isEmpty())
            view.page()->mainFrame()->findFirstElement(QStringLiteral("select")).evaluateJavaScript(
                QStringLiteral("this.value = '%1';").arg(picked));
        fill(view, form, record, templ);
        QCOMPARE(valuesLike(view, expected), expected);
        QCOMPARE(view.page()->mainFrame()->evaluateJavaScript(QStringLiteral("window.sent")).toInt(), 0);
    }

    // Choice lists by template: a placeholder is never the choice, a sign
    // is part of a value.
    void options_data()
    {
        addColumns<QString, QString, QString>("options", "wanted", "expected");
        const QString kept = QStringLiteral("<option value='kept' selected>kept</option>");
        QTest::newRow("-1 Day") << "<option value='-1'>Day</option><option>1</option>" << "1" << "1";
        QTest::newRow("a sign in the text") << "<option value='a'>-5</option><option value='b'>5</option>" << "5"
                                            << "b";
        QTest::newRow("a sign in the value") << "<option value='-5'>GMT-5</option><option value='5'>GMT+5</option>"
                                             << "5" << "5";
        QTest::newRow("0 Choose one") << "<option value='0'>-- Choose one --</option>" + kept << "0" << "kept";
        QTest::newRow("0 Year of birth") << "<option value='0'>Year of birth</option>" + kept << "0" << "kept";
        QTest::newRow("-- Please select") << "<option value='--'>Please select</option>" + kept << "Please select"
                                            << "kept";
        QTest::newRow("0 is a number") << "<option value=''>Children</option><option>0</option>" + kept << "0"
                                       << "0";
        QTest::newRow("0 names a choice") << "<option value='0'>Uncategorized</option>" + kept << "Uncategorized"
                                          << "0";
    }

    void options()
    {
        QFETCH(QString, options);
        QFETCH(QString, wanted);
        QFETCH(QString, expected);
        QWebView view;
        QVERIFY(setHtml(view, QStringLiteral("<body><form><select name='s'>%1</select></form></body>").arg(options)));
        DelegateSubmitter fill(PageDomHandle(&view), nullptr);
        SelectorList* list = nullptr;
        QVERIFY(fill.buildSelector(QStringLiteral("SELECT[name=\"s\"]"), QStringLiteral("S"), wanted, &list));
        fill.fillSelector(list);
        QCOMPARE(valueOf(view, QStringLiteral("s")), expected);
    }

    // Each country of the table has the two-letter code that the locale
    // data gives it, so that a choice list coded by country takes the
    // identity's own country.
    void countryCodes()
    {
        QHash<QString, QString> nameOfCode;
        for (int c = 1; c <= int(QLocale::LastCountry); ++c) {
            const auto country = QLocale::Country(c);
            const QList<QLocale> locales =
                QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, country);
            if (!locales.isEmpty())
                nameOfCode.insert(locales.first().name().section(QLatin1Char('_'), 1), QLocale::countryToString(country));
        }
        const QList<QStringList> table = SmartCountry::countries();
        QVERIFY(!table.isEmpty());
        for (const QStringList& country : table) {
            QVERIFY2(nameOfCode.contains(country.first()), qPrintable(country.first()));
            QVERIFY2(country.contains(nameOfCode.value(country.first()), Qt::CaseInsensitive),
                     qPrintable(country.join(QLatin1Char(','))));
            QCOMPARE(SmartCountry::namesOf(country.first()), country);
        }
    }

    // The words the recognition and the fills go by.
    void words_data()
    {
        addColumns<QString, QString, QString>("words", "text", "expected");
        for (const char* text : {"AIM screen name", "MSN / Live Messenger (e-mail)", "Jabber / XMPP address",
                                 "Yahoo! Messenger ID", "user_yim", "QQ number", "IRC nick", "Google Talk",
                                 "WhatsApp", "Twitter handle", "pf_icq"})
            QTest::newRow(text) << "messenger" << text << "1";
        for (const char* text : {"Yahoo! Mail address", "Claim number", "Circle of friends", "Home address"})
            QTest::newRow(text) << "messenger" << text << "0";
        QTest::newRow("Given") << "name part" << "Given" << "1 bare";
        QTest::newRow("Forename") << "name part" << "Forename:" << "1";
        QTest::newRow("Middle initial") << "name part" << "Initial" << "2 bare";
        QTest::newRow("Family name") << "name part" << "Family name" << "3";
        QTest::newRow("Surname") << "name part" << "Surname *" << "3";
        QTest::newRow("First visit") << "name part" << "First visit" << "0";
    }

    void words()
    {
        QFETCH(QString, words);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QString found;
        if (words == QLatin1String("messenger")) {
            found = QString::number(SmartTextLookup(nullptr).isMessenger(text, SmartElement::TypeText));
        } else {
            bool bare = false;
            const int kind = SmartFieldLookup(nullptr).namePart(text, &bare);
            found = QString::number(kind) + (kind && bare ? QStringLiteral(" bare") : QString());
        }
        QCOMPARE(found, expected);
    }
};

TESVAR_TEST(SmartFillsTest)
#include "SmartFillsTest.moc"
