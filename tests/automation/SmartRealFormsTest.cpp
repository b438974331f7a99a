#include "LoopbackServer.h"
#include "SmartTestPage.h"
#include "TestData.h"
#include "TestDatabase.h"
#include "TestRows.h"
#include "TestRunner.h"

#include "automation/submit/DelegateArticleSubmitter.h"
#include "automation/submit/DelegateDirectorySubmitter.h"
#include "automation/submit/DelegateLoginSubmitter.h"
#include "automation/submit/DelegateRegistrationSubmitter.h"
#include "automation/smart/SmartArticle.h"
#include "automation/smart/SmartCaptions.h"
#include "automation/smart/SmartLabel.h"
#include "automation/smart/SmartLabelIds.h"
#include "automation/smart/SmartLabelLookup.h"
#include "automation/smart/SmartDirectory.h"
#include "automation/smart/SmartLogin.h"
#include "automation/smart/SmartRegistration.h"
#include "automation/smart/SmartSocialBookmark.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBCache.h"
#include "texts/LocaleMessage.h"

#include <QWebElement>
#include <QWebFrame>
#include <QWebPage>
#include <QtTest>

using namespace Vexal;
using namespace SmartTestPage;

namespace {

// The controls of the chosen form, or the failure.
template <class Recogniser>
QStringList recognisedOrError(QWebView& view)
{
    QString reason;
    const QStringList found = recognised<Recogniser>(view, &reason);
    return reason.isEmpty() ? found : QStringList{QStringLiteral("error: ") + reason};
}

// Runs the recogniser of a form kind over the page the view shows and
// returns "key=kind" per control of the chosen form, or the failure.
QStringList recognise(const QString& kind, QWebView& view)
{
    if (kind == QLatin1String("login"))
        return recognisedOrError<SmartLogin>(view);
    if (kind == QLatin1String("registration"))
        return recognisedOrError<SmartRegistration>(view);
    if (kind == QLatin1String("article"))
        return recognisedOrError<SmartArticle>(view);
    if (kind == QLatin1String("directory"))
        return recognisedOrError<SmartDirectory>(view);
    return recognisedOrError<SmartSocialBookmark>(view);
}

// The body every table of forms runs: the page of the row (a file of the
// fixtures, or markup), recognised as the kind of form it names.
void recognitionCase()
{
    QFETCH(QString, page);
    QFETCH(QString, kind);
    QFETCH(QString, expected);
    QWebView view;
    QVERIFY(page.endsWith(QLatin1String(".html")) ? load(view, page) : setHtml(view, page));
    const qint64 asks = SmartLabel::rectAsksForTests();
    const int reads = SmartCaptions::readsForTests();
    const qint64 ids = SmartLabelIds::readsForTests();
    QCOMPARE(recognise(kind, view).join(QLatin1Char(' ')), expected);
    // Each entry of the page's label sequence asks the page where it is
    // drawn once at most, and its caption is worked out once at most; the
    // page's ids are read once at most.
    const PageDomHandle dom(&view);
    QObject owner;
    SmartLabelLookup entries(nullptr);
    entries.lookup(dom->documentElement(), &owner);
    QVERIFY(SmartLabel::rectAsksForTests() - asks <= entries.labels().size());
    QVERIFY(SmartCaptions::readsForTests() - reads <= entries.labels().size());
    QVERIFY(SmartLabelIds::readsForTests() - ids <= dom->select(dom->documentElement(), QStringLiteral("[id]")).size());
}

// Forms as shops and services write them, one class of field a row: a
// costly value goes only where the field's own text agrees. A page of one
// form holding the fields; a sign-up asks for an e-mail and a password
// before them.
QString inForm(const QString& fields)
{
    return QStringLiteral("<body><form>%1</form></body>").arg(fields);
}

QString inSignup(const QString& fields)
{
    return inForm(QStringLiteral("<p>E-mail <input name='em'></p><p>Password <input type='password' name='pw'></p>")
                  + fields);
}

// Rows of a class: each row's fields on the page (whose "%1" they fill),
// recognised as a sign-up, the page's own fields first in what it expects.
struct FormRow {
    const char* tag;
    const char* fields;
    const char* expected;
};

void addRows(const QString& page, const char* first, std::initializer_list<FormRow> rows)
{
    for (const FormRow& row : rows)
        QTest::newRow(row.tag) << page.arg(QLatin1String(row.fields)) << QStringLiteral("registration")
                               << QLatin1String(first) + QLatin1String(row.expected);
}

int categoryUnder(const QString& name, int masterId)
{
    return addRow(QStringLiteral("Category"), {{"Name", name}, {"MasterID", masterId}});
}

} // namespace

// Forms as sites write them: tables for layout, sub-labels under fields,
// help texts, trap fields, newsletter boxes beside the terms, picture codes.
class SmartRealFormsTest : public QObject
{
    Q_OBJECT

private slots:
    // A picture test is a box to type into beside its picture, or a test's frame that is shown.
    void pictureCodes_data()
    {
        addColumns<QString, QString, QString>("page", "kind", "expected");
        // A picture test is a box to type into beside a picture, or a test's
        // frame that is shown: an empty slot kept for later attempts, one of
        // no height, or a message about the code asks nothing now.
        const QString login = QStringLiteral(
            "<body><form action='/s'><p>Login <input name='user'></p><p>Password <input type='password' name='pw'>"
            "</p>%1<p><input type='submit' name='go' value='Go'></p></form></body>");
        QTest::newRow("login, an empty slot for a picture test")
            << login.arg("<div class='captchaBlock' style='padding:4px'></div>") << "login" << "user=12 pw=13 go=34";
        QTest::newRow("login, a picture test's slot of no height")
            << login.arg("<div class='captcha' style='height:0;overflow:hidden'><img src='/captcha.php' width='120' "
                         "height='40'> <input name='captcha_code'></div>")
            << "login" << "user=12 pw=13 go=34";
        QTest::newRow("login, a message about the picture test")
            << login.arg("<div id='DivInvalidCaptcha' class='error'>The code was wrong, try again</div>") << "login"
            << "user=12 pw=13 go=34";
        QTest::newRow("login, a picture test's frame")
            << login.arg("<div class='g-recaptcha'><iframe src='about:blank' width='304' height='78'></iframe></div>")
            << "login" << "user=12 pw=13 go=34 =28";
        QTest::newRow("login, a picture code named by its class")
            << login.arg("<p>Letters you see <input class='captcha' name='k2'></p>") << "login"
            << "user=12 pw=13 k2=28 go=34";
        QTest::newRow("login, a picture test beside its box")
            << login.arg("<p><img src='/captcha.php?id=3' width='120' height='40'> <input name='answer'></p>")
            << "login" << "user=12 pw=13 answer=38 go=34 =28";
        QTest::newRow("a code beside a picture is the picture's")
            << inForm("<p>E-mail <input name='em'></p><p>Security code <img src='/c.png' width='60' height='20'> "
                      "<input name='sc'></p>")
            << "registration" << "em=14 sc=28";
        // A message about a wrong picture code asks for none; a plain code
        // needs a picture between the box and its neighbouring controls,
        // one level up or more.
        // The usual phrasings of a picture code, and a box its class names for
        // one, read with the care of its id and name ("g-recaptcha-box").
        QTest::newRow("a picture code in other words")
            << inForm("<p>E-mail <input name='em'></p><p>Enter the text shown above <input name='x7f3'></p>"
                      "<p>Comments <input class='text-box' name='k3'></p>")
            << "registration" << "em=14 x7f3=28 k3=0";
        QTest::newRow("a picture code by its class")
            << inForm("<p>E-mail <input name='em'></p>"
                      "<p>Type it here <input class='form-field g-recaptcha-box' name='k2'></p>")
            << "registration" << "em=14 k2=28";
        QTest::newRow("a picture code's message without a picture")
            << inForm("<p>E-mail <input name='em'></p><p>Code <input name='pc'> <span>Invalid image code</span></p>")
            << "registration" << "em=14 pc=0";
        QTest::newRow("a picture one level up")
            << inForm("<p>E-mail <input name='em'></p><p><img src='/c.png' width='60' height='20'></p>"
                      "<p>Security code <input name='wv'></p>")
            << "registration" << "em=14 wv=28";
        QTest::newRow("a picture after a later control")
            << inForm("<p>E-mail <input name='em'></p><p>Security code <input name='sc'></p>"
                      "<p>Phone <input name='ph'></p><p><img src='/c.png' width='60' height='20'></p>")
            << "registration" << "em=14 sc=0 ph=24";
    }
    void pictureCodes() { recognitionCase(); }

    // Lists of check boxes: the categories of an entry, or the topics of a newsletter.
    void topics_data()
    {
        addColumns<QString, QString, QString>("page", "kind", "expected");
        // A list of the newsletters' topics offers news: no box of it is a
        // category, whatever its topic.
        QTest::newRow("newsletter topics")
            << "<body><form><p><label for='u'>URL</label><input id='u' name='u'></p>"
               "<p><label for='t'>Title</label><input id='t' name='t'></p>"
               "<fieldset><legend>Newsletter topics</legend><label><input type='checkbox' name='nl_sport' "
               "value='sport'> Sport</label><label><input type='checkbox' name='nl_tech' value='tech'> Tech</label>"
               "<label><input type='checkbox' name='topic_music' value='music'> Music</label>"
               "</fieldset><p><label for='g'>Tags</label><input id='g' name='g'></p></form></body>"
            << "social" << "u=15 t=29 nl_sport=27 nl_tech=27 topic_music=27 g=30";

        // Topic boxes with opaque names in a block about newsletters, which
        // holds its own e-mail box, are no categories either.
        QTest::newRow("newsletter topics in a newsletter block")
            << "<body><form><p>E-mail <input name='em'></p><div class='newsletter'><p>Your e-mail <input "
               "name='nlmail'></p><p>Topics</p><ul><li><input type='checkbox' name='nl_t1'> Sport</li>"
               "<li><input type='checkbox' name='nl_t2'> Music</li></ul></div></form></body>"
            << "registration" << "em=14 nlmail=14 nl_t1=27 nl_t2=27";
        // The form's own surroundings tell what it is for: the heading of the
        // block around it, the block's or the form's own id or class. A
        // newsletter form's topics are no categories; a sign-up's are, beside
        // a newsletter form of its own elsewhere on the page.
        QTest::newRow("newsletter topics under a heading outside the form")
            << "<body><div class='block'><h3>Our newsletters</h3><form action='/nl'><p>E-mail <input name='em'></p>"
               "<p>Topics</p><div><p><input type='checkbox' name='topic_travel'> Travel</p><p><input "
               "type='checkbox' name='topic_food'> Food</p></div></form></div></body>"
            << "registration" << "em=14 topic_travel=27 topic_food=27";
        QTest::newRow("newsletter topics in a block its id names")
            << "<body><section id='newsletter-signup'><form><p><label for='e'>Your e-mail</label> <input id='e' "
               "name='e'></p><fieldset><legend>Choose your categories</legend><label><input type='checkbox' "
               "name='c1'> Music</label><label><input type='checkbox' name='c2'> Film</label></fieldset></form>"
               "</section></body>"
            << "registration" << "e=14 c1=27 c2=27";
        QTest::newRow("newsletter topics under a heading in the row above")
            << "<body><table><tr><td><b>Free e-mail newsletters</b></td></tr><tr><td><form>E-mail: <input "
               "name='m'><br>Categories:<div><input type='checkbox' name='cat_a'> Gardening<br><input "
               "type='checkbox' name='cat_b'> Cooking</div></form></td></tr></table></body>"
            << "registration" << "m=14 cat_a=27 cat_b=27";
        QTest::newRow("newsletter topics under a heading and its note")
            << "<body><div class='widget'><h2>Join our mailing list</h2><p>Pick the topics you care about, and we "
               "write once a week.</p><form class='signup'><p>E-mail <input name='addr'></p><ul><li><input "
               "type='checkbox' name='topic1'> Sport</li><li><input type='checkbox' name='topic2'> Science</li>"
               "</ul></form></div></body>"
            << "registration" << "addr=14 topic1=27 topic2=27";
        QTest::newRow("newsletter topics under a line of text in the block")
            << "<body><table><tr><td>Sign up for our newsletter:<br><form><p>E-mail <input name='m'></p><div><input "
               "type='checkbox' name='topic_a'> Local <input type='checkbox' name='topic_b'> World</div></form></td>"
               "</tr></table></body>"
            << "registration" << "m=14 topic_a=27 topic_b=27";
        QTest::newRow("newsletter topics under a title of a few words")
            << "<body><div class='box'><div class='box-title'>Sign up to our free newsletter</div><div><form><p>"
               "E-mail <input name='m'></p><p>Choose categories:</p><div><label><input type='checkbox' name='k1'> "
               "Deals</label> <label><input type='checkbox' name='k2'> Events</label></div></form></div></div></body>"
            << "registration" << "m=14 k1=27 k2=27";
        QTest::newRow("newsletter topics in a form its address names")
            << "<body><div><form action='https://lists.example/subscribe/post?u=3'><p>E-mail <input name='EMAIL'>"
               "</p><p>Interests</p><ul><li><input type='checkbox' name='topic_1'> Books</li><li><input "
               "type='checkbox' name='topic_2'> Films</li></ul></form></div></body>"
            << "registration" << "EMAIL=14 topic_1=27 topic_2=27";
        QTest::newRow("newsletter topics in a form its id names")
            << "<body><form id='newsletterForm'><p>E-mail <input name='m'></p><p>Pick your topics</p><div><input "
               "type='checkbox' name='t1'> Sport <input type='checkbox' name='t2'> Music</div></form></body>"
            << "registration" << "m=14 t1=27 t2=27";
        QTest::newRow("a sign-up's topics beside a newsletter form")
            << "<body><div class='newsletter'><h3>Newsletter</h3><form><p>E-mail <input name='nm'></p></form></div>"
               "<div><h2>Create your account</h2><form><p>E-mail <input name='em'></p><p>Password <input "
               "type='password' name='pw'></p><p>Topics you like</p><div><input type='checkbox' name='topic_a'> "
               "Sport <input type='checkbox' name='topic_b'> Music</div></form></div></body>"
            << "registration" << "em=14 pw=13 topic_a=32 topic_b=32";
    }
    void topics() { recognitionCase(); }

    // Password boxes: what a password is not, and boxes the page gives no words.
    void passwords_data()
    {
        addColumns<QString, QString, QString>("page", "kind", "expected");
        QTest::newRow("hints and codes sent are no password")
            << inForm("<p>E-mail <input name='em'></p><p>Password <input type='password' name='pw'></p>"
                      "<p>Password hint <input name='passwordHint'></p><p>One Time Password: <input id='sms'></p>"
                      "<p>Verification Code: <input name='verification_code'></p>")
            << "registration" << "em=14 pw=13 passwordHint=38 sms=38 verification_code=0";
        // A password box the page gives no words at all (no text beside it,
        // no placeholder, a blank title) is a trap for a browser's filling;
        // one right after a password box repeats it. A placeholder naming
        // another thing leaves a password box alone.
        QTest::newRow("password boxes without words")
            << inForm("<p>E-mail <input name='em'></p><p>Password <input type='password' name='pw'><br>"
                      "<input type='password' name='p2'></p><p>Card number <input name='cardnum'></p>"
                      "<div><input type='password' name='password' title=' '></div>")
            << "registration" << "em=14 pw=13 p2=13 cardnum=0 password=38";
        QTest::newRow("a password retyped in a box named for it")
            << inForm("<p>E-mail <input name='em'></p><p>Password <input type='password' name='password'><br>"
                      "<input type='password' name='password2'></p>")
            << "registration" << "em=14 password=13 password2=13";
        QTest::newRow("a placeholder naming another thing")
            << inForm("<p>E-mail <input name='em'></p>"
                      "<div><input type='password' name='pass2' placeholder='One time code from the app'></div>")
            << "registration" << "em=14 pass2=38";
    }
    void passwords() { recognitionCase(); }

    // A payment card's fields take nothing of the person or the account.
    void cards_data()
    {
        addColumns<QString, QString, QString>("page", "kind", "expected");
        QTest::newRow("a card's holder and code are no person or picture")
            << inForm("<p>E-mail <input name='em'></p>"
                      "<p>First Name* <input id='card_firstNameOnCard'></p><p>Last Name* <input id='card_lastName'></p>"
                      "<p>Card Number* <input id='card_number'></p>"
                      "<p>Security Code* <img src='/cvv.png' width='60' height='20'> <input name='ccSecurity'></p>")
            << "registration" << "em=14 card_firstNameOnCard=38 card_lastName=38 card_number=0 ccSecurity=38";
        // Its fields run from the first to the last of the card's; a card's
        // word that also starts the names of the address names the section.
        QTest::newRow("a card holder's name between a card's fields")
            << inForm("<p>E-mail <input name='em'></p><p>Saved card <select id='saved-card'><option>x</option>"
                      "</select></p><p>First name <input id='pay-first'></p><p>Last name <input id='pay-last'></p>"
                      "<p>Card type <select id='card-type'><option>Visa</option></select></p>")
            << "registration" << "em=14 saved-card=0 pay-first=38 pay-last=38 card-type=0";
        QTest::newRow("contact details between a gift card and the payment")
            << inForm("<p>Gift card <input name='giftcard'></p><p>First name <input name='fn'></p>"
                      "<p>Last name <input name='ln'></p><p>E-mail <input name='em'></p>"
                      "<p>Card number <input name='cardnum'></p>")
            << "registration" << "giftcard=0 fn=1 ln=3 em=14 cardnum=0";
        QTest::newRow("a card's billing section")
            << inForm("<p>E-mail <input name='em'></p><p>Card number <input id='cc-num'></p>"
                      "<p>Expiry <select id='cc-exp-month'><option>01</option></select></p>"
                      "<p>First Name * <input id='cc_first_name'></p><p>Last Name * <input id='cc_last_name'></p>"
                      "<p>Address <input id='cc_address1'></p><p>City <input id='cc_city'></p>"
                      "<p><input type='checkbox' id='cc_store'> Store my card</p>")
            << "registration"
            << "em=14 cc-num=0 cc-exp-month=0 cc_first_name=1 cc_last_name=3 cc_address1=21 cc_city=19 cc_store=27";
        QTest::newRow("a form of a card alone is no sign-up")
            << inForm("<p>Name on card <input name='holder'></p><p>Card number <input name='ccnum'></p>"
                      "<p>Security code <input name='cvv'></p>")
            << "registration" << "error: Failed to recognize at least one element";
    }
    void cards() { recognitionCase(); }

    // Which texts label a box.
    void labels_data()
    {
        addColumns<QString, QString, QString>("page", "kind", "expected");
        // The label a user reads outranks a word of the field's name; a label
        // that names another thing leaves it alone.
        QTest::newRow("labels that name another thing")
            << inForm("<table><tr><td>Business Name:</td><td><input name='business'></td></tr>"
                      "<tr><td>company/care of</td></tr><tr><td><input name='address3'></td></tr>"
                      "<tr><td>Contact Phone:</td><td><input name='HomeArea' maxlength='3'>-"
                      "<input name='HomePrefix' maxlength='3'>-<input name='HomeSuffix' maxlength='4'></td></tr>"
                      "<tr><td>Attachment<br>.doc, .zip, .pdf</td><td><input name='attach1'></td></tr>"
                      "<tr><td>Street address</td><td><input name='street'></td></tr></table>")
            << "registration" << "business=0 address3=38 HomeArea=24 HomePrefix=24 HomeSuffix=24 attach1=38 street=21";
        // "/" between words is no word; a LABEL names its field also after it.
        QTest::newRow("labels of marks and labels after fields")
            << inForm("<p>State / Province / Region <input name='st'></p>"
                      "<p><input name='x2' id='x2'> <label for='x2'>Your e-mail address for the receipt</label></p>")
            << "registration" << "st=20 x2=14";
        // An id is matched as written, a backslash too.
        QTest::newRow("a label after its box for an id with a backslash")
            << inForm("<p><input id='x\\y'> <label for='x\\y'>Your e-mail address for the receipt</label></p>")
            << "registration" << "x\\y=14";
        // Words written with a character reference between two short boxes
        // part them: the second is no more of the first one's number.
        QTest::newRow("words with a character reference between short boxes")
            << inForm("<p>Phone <input name='ph' maxlength='3'> Best&nbsp;time <input name='bt' maxlength='3'></p>")
            << "registration" << "ph=24 bt=0";
        // A LABEL for a group of boxes labels the row, not one box; a box
        // with no label of its own reads its title as one.
        QTest::newRow("a label for a group, and titles")
            << inForm("<div><label for='nm'>Name</label><div id='nm'><input title='First Name' name='firstname'>"
                      "<input title='Last Name' name='secondname'></div></div><div><label for='bd'>Birthday</label>"
                      "<div id='bd'><select name='mm'><option>- Select Month -</option><option>May</option>"
                      "</select><input title='Day' name='dd'><input title='Year' name='yyyy'></div></div>")
            << "registration" << "firstname=1 secondname=3 mm=10 dd=11 yyyy=9";
        // A cell of punctuation only between a label and its box is no label:
        // the label is the cell before it, also for the form's first box.
        QTest::newRow("labels across a colon cell")
            << inForm("<table><tr><td>Full Name</td><td><b>:</b></td><td><input name='f1'></td></tr>"
                      "<tr><td>E-mail</td><td><b>:</b></td><td><input name='f2'></td></tr>"
                      "<tr><td>Password</td><td>:</td><td><input type='password' name='f3'></td></tr>"
                      "<tr><td>Security Code</td><td><b>:</b></td><td><input name='f4'> "
                      "<img src='/c.png' width='60' height='20'></td></tr></table>")
            << "registration" << "f1=4 f2=14 f3=13 f4=28";
        QTest::newRow("a colon cell before a first box that shares its cell")
            << inForm("<table><tr><td>User name</td><td>:</td><td><input name='u'> <input type='button' "
                      "name='chk' value='Check'></td></tr><tr><td>E-mail</td><td>:</td><td><input name='m'></td>"
                      "</tr></table>")
            << "registration" << "u=12 m=14";
    }
    void labels() { recognitionCase(); }

    // A security question and its answer.
    void questions_data()
    {
        addColumns<QString, QString, QString>("page", "kind", "expected");
        // A box its label calls the security question is the question,
        // whatever its name says of the answer; the answer's own box keeps it.
        const QString question = inForm("<p>E-mail <input name='em'></p>%1");
        QTest::newRow("a question whose name speaks of the answer")
            << question.arg("<p>Security question <input name='SecretQuestionAnswer'></p><p>Answer <input "
                            "name='SecretAnswer'></p>")
            << "registration" << "em=14 SecretQuestionAnswer=16 SecretAnswer=17";
        QTest::newRow("a question and answer box in table cells")
            << question.arg("<table><tr><td>Secret question:</td><td><input name='qAndA'></td></tr><tr><td>Answer "
                            "to the secret question:</td><td><input name='qAnswer'></td></tr></table>")
            << "registration" << "em=14 qAndA=16 qAnswer=17";
        QTest::newRow("a question named for the answer in a label for the box")
            << question.arg("<div><label for='sq'>Your security question</label> <input id='sq' "
                            "name='securityAnswer1'></div><div><label for='sa'>Your answer</label> <input id='sa' "
                            "name='securityAnswer2'></div>")
            << "registration" << "em=14 sq=16 sa=17";
        // A box whose label asks the user a question of his own (a recovery
        // question, a question in words the table does not read) is an
        // answer only where its question is the account's ("?" after the
        // kind); a box that repeats the answer goes with the box above it.
        // Example questions printed after a box make no human check, and a
        // question that asks for the user's own data keeps its kind.
        addRows(question, "em=14 ", {
            {"a street grown up on in a label for the box",
             "<div><label for='q1'>Name of the street you grew up on?</label> <input id='q1'></div>", "q1=17?"},
            {"a favourite teacher's name in a label around the box",
             "<p><label>What was your favourite teacher's name? <input name='q2'></label></p>", "q2=17?"},
            {"a grandmother's maiden name in floats",
             "<div style='overflow:hidden'><div style='float:left;width:220px'>Your grandmother's maiden name</div>"
             "<div style='float:left'><input name='q3'></div></div>",
             "q3=17?"},
            {"a town of birth asked in blocks",
             "<div><div>In which town were you born?</div><div><input name='q4'></div></div>", "q4=17?"},
            {"a question in German", "<p>Wie hie&szlig; Ihr erstes Haustier? <input name='q5'></p>", "q5=38?"},
            {"an answer retyped after a question of its own",
             "<p><label for='a1'>What was your first pet's name?</label> <input id='a1'></p><p>Re-type answer "
             "<input id='a2'></p>",
             "a1=17? a2=17?"},
            {"an answer confirmed after the account's question",
             "<p>Security question <select name='sq'><option>Pet</option></select></p><p>Answer <input "
             "name='a1'></p><p>Confirm your answer <input name='a2'></p>",
             "sq=16 a1=17 a2=17"},
            {"example questions after a question box",
             "<p>Security question <input name='sq'></p><p><small>For example: What was your first pet's name? "
             "Which colour was your first car?</small></p><p>Answer <input name='sa'></p>",
             "sq=16 sa=17"},
            {"a question for the user's own name", "<p>What's your name? <input name='nm'></p>", "nm=4"},
        });
    }
    void questions() { recognitionCase(); }

    // The boxes ticked as the terms, and the offers and preferences left alone.
    void terms_data()
    {
        addColumns<QString, QString, QString>("page", "kind", "expected");
        // A box is the terms by its own words or its own required mark: not
        // for a link alone, nor for a note on what the stars mean; the box
        // about the rules wins over one that offers something.
        QTest::newRow("terms by their own words")
            << inForm("<p>E-mail <input name='em'></p>"
                      "<p><input type='checkbox' name='liab'> I accept liability for shipping these items uninsured</p>"
                      "<p><input type='checkbox' name='promo'> Show my e-mail to <a href='/members'>members</a></p>"
                      "<p><input type='checkbox' name='news'> <a href='/news'>Weekly mail</a></p>"
                      "<p><input type='checkbox' name='tos'> I have read the <a href='/tos'>Terms of Service</a></p>"
                      "<p><input type='checkbox' name='gift'> Gift wrap Required fields *</p>"
                      "<p><input type='checkbox' name='same'> Same as above<br>Street <span>*</span><br>"
                      "<input name='street'></p>"
                      "<p><input type='checkbox' name='nl' required> Send me the newsletter</p>"
                      "<div><input type='checkbox' name='pub'> Show my profile<div>Required field <span>*</span>"
                      "</div></div>")
            << "registration" << "em=14 liab=27 promo=27 news=27 tos=26 gift=38 same=27 street=21 nl=27 pub=27";
        // Every box the form requires is ticked, also where a link parts its
        // label from its star.
        QTest::newRow("required boxes with links")
            << inForm("<p>E-mail <input name='em'></p>"
                      "<p><input type='checkbox' name='t1'> I agree to the <a href='/terms'>Terms</a> *</p>"
                      "<p><input type='checkbox' name='t2'> I agree to the <a href='/privacy'>Privacy policy</a> *"
                      "</p>")
            << "registration" << "em=14 t1=26 t2=26";
        QTest::newRow("a required box first in its form")
            << inForm("<p><input type='checkbox' name='pub'> Show my profile *</p><p>E-mail <input name='em'></p>")
            << "registration" << "pub=26 em=14";
        QTest::newRow("a star before the box's label")
            << inForm("<p>E-mail <input name='em'></p><p><input type='checkbox' name='lft'> * Ik ben 18 jaar of "
                      "ouder</p>")
            << "registration" << "em=14 lft=26";
        QTest::newRow("a star ending the label before a box without a caption")
            << inForm("<p>E-mail <input name='em'></p><p><input type='checkbox' name='ok'> Ik ga akkoord *</p>"
                      "<p><input name='promo' placeholder='Promotiecode'></p>")
            << "registration" << "em=14 ok=26 promo=0";
        QTest::newRow("a star first in its form")
            << inForm("<p><span>*</span> <input type='checkbox' name='pub'> Show my profile</p><p>E-mail <input "
                      "name='em'></p>")
            << "registration" << "pub=26 em=14";
        // A link in the box's own label, with no word against it, is
        // evidence in any language; a link elsewhere on the page is not.
        QTest::newRow("a link in the box's own label")
            << inForm("<p>E-mail <input name='em'></p><p><label><input type='checkbox' name='ok'> Ik ga akkoord "
                      "met de <a href='/voorwaarden'>voorwaarden</a></label></p>")
            << "registration" << "em=14 ok=26";
        // A box alone in words the table reads nothing in, on a sign-up
        // with no terms box, is left for the user to tick if he agrees.
        QTest::newRow("a link elsewhere on the page, or beside a preference")
            << inForm("<p>E-mail <input name='em'></p><p><input type='checkbox' name='ja'> Ja</p>"
                      "<p>Lees de <a href='/voorwaarden'>voorwaarden</a></p>"
                      "<p><input type='checkbox' name='rm'> Keep me signed in (<a href='/help'>what's this?</a>)</p>"
                      "<p><input type='checkbox' name='up'> Text me <a href='/sms'>updates</a></p>")
            << "registration" << "em=14 ja=27? rm=27 up=27";
        // A box to save the address or add a gift is left as it stands; one
        // that offers something is unticked.
        QTest::newRow("boxes to save an address or add a gift")
            << inForm("<p>E-mail <input name='em'></p><p><input type='checkbox' name='saveAddr'> Save this address"
                      "</p><p><input type='checkbox' name='giftOpt'> Add a gift message</p>"
                      "<p><input type='checkbox' name='ab'> Add to my address book</p>"
                      "<p><input type='checkbox' name='go'> Gift offers by e-mail</p>")
            << "registration" << "em=14 saveAddr=38 giftOpt=38 ab=38 go=27";
        QTest::newRow("boxes only their names call a saved address or a gift")
            << inForm("<p>E-mail <input name='em'></p><p><input type='checkbox' name='saveShippingAddress'> Use it "
                      "for my next order</p><p><input type='checkbox' id='isGift'> <label for='isGift'>This is a "
                      "present</label></p>")
            << "registration" << "em=14 saveShippingAddress=38 isGift=38";
        // Agreeing to guidelines, a policy or a guide before posting is the
        // terms, also where the box's name speaks of news; a consent to be
        // billed later on credit is not.
        QTest::newRow("agreeing to guidelines")
            << inForm("<p>E-mail <input name='em'></p>"
                      "<p><input type='checkbox' name='r1'> I have read and agree to the posting guidelines</p>")
            << "registration" << "em=14 r1=26";
        QTest::newRow("agreeing to a policy")
            << inForm("<p>E-mail <input name='em'></p>"
                      "<p><input type='checkbox' name='r2'> I agree to the privacy policy of this site</p>")
            << "registration" << "em=14 r2=26";
        QTest::newRow("a guide read before posting")
            << inForm("<p>E-mail <input name='em'></p>"
                      "<p><input type='checkbox' name='r3'> I have read the guide before posting</p>")
            << "registration" << "em=14 r3=26";
        QTest::newRow("the rules in a box named for news")
            << inForm("<p>E-mail <input name='em'></p>"
                      "<p><input type='checkbox' name='newsletter_rules'> I agree to the rules</p>")
            << "registration" << "em=14 newsletter_rules=26";
        QTest::newRow("a consent to be billed later on credit")
            << inForm("<p>E-mail <input name='em'></p><p><input type='checkbox' id='electronicConsent' "
                      "name='electronicConsent'> <label for='electronicConsent'>I agree to the <a href='/ec'>"
                      "Electronic Consent</a> for Pay Later</label></p>")
            << "registration" << "em=14 electronicConsent=27";
        // A box its name calls the terms needs words about them where the
        // user reads it: with none of its own, or with words of an offer of
        // credit, it is left alone.
        QTest::newRow("a tick with no words of its own")
            << inForm("<p>E-mail <input name='em'></p><div><h3>Special financing</h3><p>Pay over 12 months "
                      "with no interest.</p></div><div><input type='checkbox' name='planAcceptTerms'></div>")
            << "registration" << "em=14 planAcceptTerms=27";
        QTest::newRow("a tick offering credit, and terms in the cell before")
            << inForm("<p>E-mail <input name='em'></p>"
                      "<p><input type='checkbox' name='planTerms'> Yes, open my store credit account</p>"
                      "<table><tr><td>I agree to the terms of use</td><td><input type='checkbox' "
                      "name='acceptTerms'></td></tr></table>")
            << "registration" << "em=14 planTerms=27 acceptTerms=26";
        // Having read, or accepting, rules, a code of conduct, terms of use
        // or a user agreement is the terms, however it is worded and without
        // a word of agreeing; a box about news stays news. A label that only
        // agrees ("Yes, I agree") is the terms on a box named for them, never
        // on one its id or name offers news, offers or a subscription by.
        const QString tick = inForm("<p>E-mail <input name='em'></p>%1");
        const struct {
            const char* tag;
            const char* box;
            const char* expected;
        } ticks[] = {
            {"having read rules and a code of conduct",
             "<p><label><input type='checkbox' name='ok'> I have read the game's rules and its Code of Conduct"
             "</label></p>", "ok=26"},
            {"having read a code of conduct, its label after it",
             "<div><input type='checkbox' id='ok'><label for='ok'>I&#39;ve read and understood the "
             "<a href='/coc'>Code of Conduct</a>.</label></div>", "ok=26"},
            {"accepting a code of conduct",
             "<p><input type='checkbox' name='ok'> I accept the community code of conduct</p>", "ok=26"},
            {"having read the terms of use in the next cell",
             "<table><tr><td><input type='checkbox' name='ok'></td><td>I have read the Terms of Use</td></tr></table>",
             "ok=26"},
            {"having read a user agreement", "<p><input type='checkbox' name='ok'> I have read the User Agreement</p>",
             "ok=26"},
            {"having read the rulebook", "<p><input type='checkbox' name='ok'> Yes, I have read the rulebook</p>",
             "ok=26"},
            {"news about the rules", "<p><input type='checkbox' name='ok'> Send me news when the rules change</p>",
             "ok=27"},
            {"a newsletter with the code of conduct",
             "<p><input type='checkbox' name='ok'> Mail me the newsletter and the code of conduct</p>", "ok=27"},
            {"only agreeing, on a box named for the terms",
             "<p><input type='checkbox' name='agree_terms'> Yes, I agree</p>", "agree_terms=26"},
            {"only agreeing, on a box named for news", "<p><input type='checkbox' name='newsletter'> Yes, I agree</p>",
             "newsletter=27"},
            {"only agreeing, on a box named for a subscription",
             "<p><input type='checkbox' id='subscribe'> <label for='subscribe'>I agree</label></p>", "subscribe=27"},
            {"only accepting, on a box named for offers",
             "<p><label><input type='checkbox' name='partner_offers'> I accept</label></p>", "partner_offers=27"},
        };
        for (const auto& row : ticks)
            QTest::newRow(row.tag) << tick.arg(QLatin1String(row.box)) << "registration"
                                   << QStringLiteral("em=14 ") + QLatin1String(row.expected);
        // A box that enrols the user in something optional (rewards,
        // points, a trial, a loyalty club) is an offer left as the page has
        // it, also where it accepts the programme's own rules; the site's own
        // terms box beside it is the one ticked. A link in a box's own label
        // whose words name no terms ("Learn more", "Details") does not make it
        // the terms; a link that names them, or a word the table does not
        // know, still does.
        const struct {
            const char* tag;
            const char* boxes;
            const char* expected;
        } offers[] = {
            {"a rewards programme's rules before the site's terms",
             "<p><input type='checkbox' name='rw'> Join Stay Rewards and earn a free night. I accept the programme "
             "rules.</p><p><input type='checkbox' name='tos'> I agree to the <a href='/terms'>Terms of Use</a></p>",
             "rw=38 tos=26"},
            {"points with conditions in table cells",
             "<table><tr><td><input type='checkbox' id='pp'></td><td><label for='pp'>Enrol me in Points Plus (see "
             "conditions)</label></td></tr><tr><td><input type='checkbox' id='agb'></td><td><label for='agb'>I "
             "accept the <a href='/tos'>Terms of Service</a></label></td></tr></table>",
             "pp=38 agb=26"},
            {"a loyalty club's terms alone",
             "<div class='opt'><label><input type='checkbox' name='lc'> Yes, sign me up for the loyalty club and I "
             "accept its terms</label></div>",
             "lc=38"},
            {"a trial's conditions in floats beside the required terms",
             "<div style='overflow:hidden'><div style='float:left;width:30px'><input type='checkbox' name='tr'>"
             "</div><div style='float:left'>Start my free 30-day trial. I agree to the trial conditions.</div></div>"
             "<div style='overflow:hidden'><div style='float:left;width:30px'><input type='checkbox' name='ok' "
             "required></div><div style='float:left'>I accept the site rules</div></div>",
             "tr=38 ok=26"},
            {"a link that says learn more",
             "<p><input type='checkbox' name='xc'> Express checkout <a href='/express'>Learn more</a></p>", "xc=27"},
            {"a link that says how it works in the next cell",
             "<table><tr><td><input type='checkbox' id='sv'></td><td><label for='sv'>One-click orders</label> "
             "(<a href='/how'>See how it works</a>)</td></tr></table>",
             "sv=27"},
            {"a link that says more information in a label for the box",
             "<div><input type='checkbox' id='pl'> <label for='pl'>Paperless statements <a href='/paper'>More "
             "information</a></label></div>",
             "pl=27"},
            {"a link that says details in floats",
             "<div style='overflow:hidden'><div style='float:left'><input type='checkbox' name='co2'></div><div "
             "style='float:left'>Carbon-neutral delivery <a href='/co2'>Details</a></div></div>",
             "co2=27"},
            {"a link that names the terms in an unknown language",
             "<p><label><input type='checkbox' name='cgu'> J'accepte les <a href='/cgu'>Terms of Service</a>"
             "</label></p>",
             "cgu=26"},
            {"a link of an unknown word beside a details link",
             "<p><label><input type='checkbox' name='av'> Ich akzeptiere die <a href='/agb'>AGB</a> "
             "(<a href='/agb-info'>Details</a>)</label></p>",
             "av=26"},
            // An offer with a rules link of its own is no terms beside the
            // site's terms box; two boxes that are the terms only by a link
            // are none, in any language.
            {"a bonus scheme's rules link beside the required terms",
             "<p><input type='checkbox' name='bonus'> Collect Bonus Stars (<a href='/bonus'>rules</a>)</p><p><input "
             "type='checkbox' name='tos' required> I accept the terms</p>",
             "bonus=27 tos=26"},
            {"a draw's conditions link beside the site's terms in table cells",
             "<table><tr><td><input type='checkbox' id='dr'></td><td><label for='dr'>Enter the summer draw (<a "
             "href='/draw'>conditions</a>)</label></td></tr><tr><td><input type='checkbox' id='ok'></td><td><label "
             "for='ok'>I accept the Terms of Use</label></td></tr></table>",
             "dr=27 ok=26"},
            {"a subscription beside the terms in German, both with links",
             "<p><input type='checkbox' name='a'> <a href='/stern'>Stern</a> abonnieren</p><p><input "
             "type='checkbox' name='b'> Ich akzeptiere die <a href='/agb'>AGB</a></p>",
             "a=27 b=26"},
        };
        for (const auto& row : offers)
            QTest::newRow(row.tag) << inSignup(QLatin1String(row.boxes)) << "registration"
                                   << QStringLiteral("em=14 pw=13 ") + QLatin1String(row.expected);
        // In any language, a box is the agreement where its words, its
        // link's text or its link's path name one; a box required by its
        // mark alone does not push a linked agreement out. Where nothing
        // tells the agreement among boxes, none is ticked and each is left
        // for the user ("?"); "remember me" and news are never ticked.
        addRows(inSignup("%1"), "em=14 pw=13 ", {
            {"a privacy notice's path in Spanish beside a link of another thing",
             "<p><label><input type='checkbox' name='p1'> He le&iacute;do la <a href='/legal/privacy-policy'>"
             "pol&iacute;tica</a></label></p><p><label><input type='checkbox' name='p2'> Quiero el <a "
             "href='/club'>club</a></label></p>",
             "p1=26 p2=27"},
            {"an age confirmation required beside linked terms in German",
             "<p><input type='checkbox' name='age' required> Ich bin mindestens 18 Jahre alt</p><p><input "
             "type='checkbox' name='c2'> Ich habe die <a href='/agb'>AGB</a> gelesen</p>",
             "age=26 c2=26"},
            {"rules in Dutch beside an offer, both by links",
             "<p><input type='checkbox' name='a'> Ik ga akkoord met de <a href='/x1'>regels</a></p><p><input "
             "type='checkbox' name='b'> Stuur mij de <a href='/x2'>aanbiedingen</a></p>",
             "a=26 b=27"},
            {"two linked boxes in a language the table does not read",
             "<p><input type='checkbox' name='a'> Souhlas&iacute;m s <a href='/x1'>podm&iacute;nkami</a></p><p>"
             "<input type='checkbox' name='b'> Chci dost&aacute;vat <a href='/x2'>novinky</a></p>",
             "a=27? b=27?"},
            {"remember me in German, required",
             "<p><input type='checkbox' name='rm' required> Angemeldet bleiben</p>", "rm=27"},
            {"remember me in Portuguese with a help link",
             "<p><input type='checkbox' name='rm'> Lembrar-me (<a href='/ajuda'>o que &eacute; isto?</a>)</p>",
             "rm=27"},
        });
    }
    void terms() { recognitionCase(); }

    // What a form is for, and whose fields it asks.
    void formShapes_data()
    {
        addColumns<QString, QString, QString>("page", "kind", "expected");
        // A comment form asks no more than a commenter gives: four boxes
        // at most beside its text area.
        QTest::newRow("a comment form of four boxes")
            << QStringLiteral("<body><form><p>Name <input name='cn'></p><p>E-mail <input name='ce'></p>"
                              "<p>Website <input name='cw'></p><p>Subject <input name='cs'></p>"
                              "<p>Comment <textarea name='comment'></textarea></p></form>"
                              "<form><p>E-mail <input name='em'></p><p>Password <input type='password' name='pw'>"
                              "</p></form></body>")
            << "registration" << "em=14 pw=13";
        // Both forms name their boxes by id: the page's ids are read once.
        QTest::newRow("a comment form and a sign-up labelled by id")
            << QStringLiteral("<body><form><label for='cn'>Name</label> <input id='cn'>"
                              "<label for='cc'>Comment</label> <textarea id='cc'></textarea></form>"
                              "<form><label for='em'>E-mail</label> <input id='em'>"
                              "<label for='pw'>Password</label> <input type='password' id='pw'></form></body>")
            << "registration" << "em=14 pw=13";
        // A second person's fields (a second attendee) are left alone; the
        // member's own second address is filled.
        QTest::newRow("repeated groups")
            << inForm("<p>Name <input name='n1'></p><p>E-mail <input name='e1'></p><p>Street <input name='s1'></p>"
                      "<p>Billing street <input name='s2'></p>"
                      "<p>Name <input name='n2'></p><p>E-mail <input name='e2'></p><p>Street <input name='s3'></p>"
                      "<p>Phone <input name='ph'></p>")
            << "registration" << "n1=4 e1=14 s1=21 s2=21 n2=38 e2=38 s3=38 ph=24";
        // A name met again where the page asks for the member's billing,
        // shipping or mailing address is the member's own.
        QTest::newRow("billing and shipping addresses")
            << inForm("<p>First name <input name='billFirstName'></p><p>Last name <input name='billLastName'></p>"
                      "<p>Street <input name='billStreet'></p><p>E-mail <input name='em'></p>"
                      "<h4>Deliver to</h4><p>First name <input name='f2'></p><p>Last name <input name='l2'></p>"
                      "<p>Street <input name='shipStreet'></p><p>First name <input name='billing[first]'></p>")
            << "registration"
            << "billFirstName=1 billLastName=3 billStreet=21 em=14 f2=1 l2=3 shipStreet=21 billing[first]=1";
        // A note box among an order's fields makes no comment form.
        QTest::newRow("an order that takes a note")
            << inForm("<p>E-mail <input name='em'></p><p>Postcode <input name='pc'></p>"
                      "<p>Country <select name='c'><option>Norway</option></select></p>"
                      "<p>Your message <textarea name='note'></textarea></p>")
            << "registration" << "em=14 pc=23 c=18 note=0";
    }
    void formShapes() { recognitionCase(); }

    // Parts of a birthday, and the dates and ages that are none.
    void birthDates_data()
    {
        addColumns<QString, QString, QString>("page", "kind", "expected");
        // A date is a birthday by its words, or by years gone by that run
        // up to this year; a list that names another date stays out.
        const QString year = QString::number(QDate::currentDate().year());
        QTest::newRow("birth row up to this year")
            << inForm("<p>E-mail <input name='em'></p><p><select name='d'><option>Day</option><option>1</option>"
                      "</select><select name='m'><option>Month</option><option>May</option></select>"
                      "<select name='y'><option>Year</option><option>1990</option><option>" + year
                      + "</option></select></p>")
            << "registration" << "em=14 d=11 m=10 y=9";
        QTest::newRow("another date inside a birth row")
            << inForm("<p>E-mail <input name='em'></p><p>Date of birth <select name='d'><option>Day</option>"
                      "</select><select name='m'><option>Month</option></select><select name='y'><option>Year"
                      "</option></select><select name='g'><option>Year of graduation</option></select></p>")
            << "registration" << "em=14 d=11 m=10 y=9 g=0";
        // An age rule after a birth row names no other date; beside another
        // date it makes no birthday either.
        QTest::newRow("a birth year and an age rule")
            << inForm("<p>E-mail <input name='em'></p><div class='field'><label for='by'>Year of birth</label>"
                      "<select id='by'><option>Year</option><option>1990</option></select><p class='hint'>You "
                      "must be at least 18 years old to use this site</p></div><p>Password <input "
                      "type='password' name='pw'></p>")
            << "registration" << "em=14 by=9 pw=13";
        QTest::newRow("a birth row and an age rule in brackets")
            << inForm("<p>E-mail <input name='em'></p><p>Date of birth <select name='d'><option>Day</option>"
                      "</select><select name='m'><option>Month</option></select><select name='y'><option>Year"
                      "</option></select> <small>(you must be 13 years or older to register)</small></p>"
                      "<p>Password <input type='password' name='pw'></p>")
            << "registration" << "em=14 d=11 m=10 y=9 pw=13";
        QTest::newRow("a birth year and an age rule in the row below")
            << inForm("<p>E-mail <input name='em'></p><table><tr><td>Birth year:</td><td><select name='yob'>"
                      "<option>----</option><option>1990</option></select></td></tr><tr><td colspan='2'>Members "
                      "must be over 16 years.</td></tr></table>")
            << "registration" << "em=14 yob=9";
        QTest::newRow("a year born and an age rule in words")
            << inForm("<p>E-mail <input name='em'></p><p><label for='yb'>Year born</label> <select id='yb'>"
                      "<option>Year</option></select> <span>Only for people eighteen years and older</span></p>")
            << "registration" << "em=14 yb=9";
        QTest::newRow("a birth year and an age rule without a number")
            << inForm("<p>E-mail <input name='em'></p><div><span>Year of birth</span> <select name='yy'><option>"
                      "Year</option></select><div class='note'>You must be at least eighteen years to join</div>"
                      "</div><p>Password <input type='password' name='pw'></p>")
            << "registration" << "em=14 yy=9 pw=13";
        // An age rule in years alone ("Minimum age: 16 years", "18+ years")
        // names no date either.
        QTest::newRow("a birth year and a minimum age in years")
            << inForm("<p>E-mail <input name='em'></p><table><tr><td>Year of birth:</td><td><select name='yob'>"
                      "<option>----</option><option>1990</option></select></td></tr><tr><td colspan='2'>Minimum "
                      "age: 16 years</td></tr></table>")
            << "registration" << "em=14 yob=9";
        QTest::newRow("a birth year and years with a plus in the row below")
            << inForm("<p>E-mail <input name='em'></p><table><tr><td>Year of birth:</td><td><select name='yob'>"
                      "<option>----</option><option>1990</option></select></td></tr><tr><td colspan='2'>Members "
                      "must be 18+ years.</td></tr></table>")
            << "registration" << "em=14 yob=9";
        QTest::newRow("a birth year and a minimum in years after its label for it")
            << inForm("<p>E-mail <input name='em'></p><p><label for='yb'>Year of birth</label> <select id='yb'>"
                      "<option>Year</option></select> <span>Minimum 16 years</span></p>")
            << "registration" << "em=14 yb=9";
        // An inline note after a row of birth lists that states an age (in
        // years, with a "+", or as a number of two digits beside the day it
        // speaks of: "18 on the day you register") names no other date: the
        // whole row is the birthday, in any markup.
        const QString birthLists = QStringLiteral(
            "<select name='d'><option>Day</option><option>1</option></select><select name='m'><option>Month"
            "</option><option>May</option></select><select name='y'><option>Year</option><option>1990</option>"
            "</select> <small>%1</small>");
        const QString password = QStringLiteral("<input type='password' name='pw'>");
        const struct {
            const char* tag;
            QString row;
            const char* expected;
        } birthRows[] = {
            {"a paragraph", "<p>Date of birth " + birthLists + "</p><p>Password " + password + "</p>",
             "d=11 m=10 y=9 pw=13"},
            {"table cells",
             "<table><tr><td>Date of birth:</td><td>" + birthLists + "</td></tr><tr><td>Password</td><td>" + password
                 + "</td></tr></table>",
             "d=11 m=10 y=9 pw=13"},
            {"blocks", "<div><div>Birthday</div><div>" + birthLists + "</div></div><div><div>Password</div><div>"
                           + password + "</div></div>",
             "d=11 m=10 y=9 pw=13"},
            {"a row without a label before a tick",
             "<p>" + QString(birthLists).replace("</option></select> <small>",
                                                 "</option><option>1991</option></select> <small>")
                 + "</p><p><input type='checkbox' name='tos'> I agree to the terms</p>",
             "d=11 m=10 y=9 tos=26"},
            {"the last row of the form", "<p>Date of birth " + birthLists + "</p>", "d=11 m=10 y=9"},
        };
        for (const char* note : {"(members 18+ years only)", "(you must be 18 on the day you register)",
                                 "(members must be 16 by the date of joining)", "(18+ on the day you join)"}) {
            for (const auto& row : birthRows)
                QTest::newRow(qPrintable(QStringLiteral("age rule \"%1\" after birth lists in %2").arg(note, row.tag)))
                    << inForm("<p>E-mail <input name='em'></p>" + row.row.arg(QLatin1String(note))) << "registration"
                    << QStringLiteral("em=14 ") + QLatin1String(row.expected);
        }
        // A time in digits is no age: the day it names beside a birth row
        // is another date.
        QTest::newRow("another date with a time beside a birth row")
            << inForm("<p>E-mail <input name='em'></p><p>Date of birth " + birthLists.arg(QString())
                      + "</p><p>Arrival day (check-in from 14:00) <select name='ad'><option>Day</option><option>1"
                          "</option></select></p>")
            << "registration" << "em=14 d=11 m=10 y=9 ad=0";
        QTest::newRow("an arrival date and an age rule")
            << inForm("<p>E-mail <input name='em'></p><p>Arrival <select name='ad'><option>Day</option></select>"
                      "<select name='am'><option>Month</option></select><select name='ay'><option>Year</option>"
                      "<option>2040</option></select></p><p>Guests must be at least 21 years old</p>")
            << "registration" << "em=14 ad=0 am=0 ay=0";
        QTest::newRow("the month of a birthday")
            << inForm("<p>E-mail <input name='em'></p><p>Birthday <select name='bday_mm'><option>1</option>"
                      "</select><select name='bday_dd'><option>1</option></select>"
                      "<select name='bday_yyyy'><option>1990</option></select></p>")
            << "registration" << "em=14 bday_mm=10 bday_dd=11 bday_yyyy=9";
        // Parts of a birthday asked in text boxes: by birth words of their
        // own, or beside a part of the birthday under its label; a date part
        // of another thing, or without birth words, stays empty.
        QTest::newRow("birth asked in text boxes")
            << inForm("<p>E-mail <input name='em'></p><p>Date of Birth <select name='dobMonth'><option>Month"
                      "</option><option>January</option></select> <input name='dobDay' value='Day (dd)' "
                      "maxlength='2'> <input name='dobYear' maxlength='4'></p>"
                      "<p>Day phone <input name='dayPhone'></p><p>Year of graduation <input name='grad'></p>")
            << "registration" << "em=14 dobMonth=10 dobDay=11 dobYear=9 dayPhone=24 grad=0";
        // Two-letter names say which part of a date a list takes; a label or
        // box that names the whole date ("Birthday", "mm/dd/yyyy") is no part.
        QTest::newRow("a birthday's parts by two-letter names")
            << inForm("<p>E-mail <input name='em'></p><p><label for='mm'>Birthday</label><select id='mm' name='mm'>"
                      "<option>--</option><option>1</option></select><select name='dd'><option>--</option>"
                      "<option>1</option></select><select name='yyyy'><option>--</option><option>1990</option>"
                      "</select></p>")
            << "registration" << "em=14 mm=10 dd=11 yyyy=9";
        QTest::newRow("a whole birth date in one box")
            << inForm("<p>E-mail <input name='em'></p><p>Birthday <input name='bday'></p>"
                      "<p>Date of birth (mm/dd/yyyy) <input name='dob'></p>")
            << "registration" << "em=14 bday=0 dob=0";
        QTest::newRow("birth year alone")
            << inForm("<p>E-mail <input name='em'></p><table><tr><td>Year of Birth:</td><td><input name='year' "
                      "maxlength='4'></td></tr></table>")
            << "registration" << "em=14 year=9";
        QTest::newRow("a birthday by titles")
            << inForm("<p>E-mail <input name='em'></p><p>Birthday <select name='mm'><option>Month</option>"
                      "</select><input title='Day' name='dd'><input title='Year' name='yyyy'></p>"
                      "<p>Arrival <select name='am'><option>Month</option></select><input title='Day' "
                      "name='ad'></p>")
            << "registration" << "em=14 mm=10 dd=11 yyyy=9 am=0 ad=0";
        // A date part whose own caption is bare takes the birth from its
        // group: the caption of its row, or the container a framework named
        // it after.
        addRows(inForm("<p>E-mail <input name='em'></p>%1"), "em=14 ", {
            {"a bare year in a framework's birth date container in table cells",
             "<table><tr><td>Year</td><td><input id='ctl00_Main_DateOfBirth_Yr' name='ctl00$Main$DateOfBirth$Yr' "
             "required></td></tr></table>",
             "ctl00_Main_DateOfBirth_Yr=9"},
            {"a bare year in a path's birth group in floats",
             "<div style='overflow:hidden'><div style='float:left;width:80px'>Year</div><div style='float:left'>"
             "<input name='dob[year]'></div></div>",
             "dob[year]=9"},
            {"a year placeholder in a dotted birth date path",
             "<div><input name='person.birthdate.y' placeholder='Year'></div>", "person.birthdate.y=9"},
            {"a bare month in a label for the box of a birth group",
             "<fieldset><legend>Date of birth</legend><label for='bm'>Month</label> <input id='bm' "
             "name='dob_group[m]'></fieldset>",
             "bm=10"},
            {"captions of a date's parts over a row of boxes",
             "<p>Date of birth</p><table><tr><td>DD</td><td>MM</td><td>YYYY</td></tr><tr><td><input name='b1' "
             "size='2'></td><td><input name='b2' size='2'></td><td><input name='b3' size='4'></td></tr></table>",
             "b1=11 b2=10 b3=9"},
            {"a bare year list in a path's birth group",
             "<p>Year <select name='dob[yy]'><option>Year</option><option>1990</option></select></p>", "dob[yy]=9"},
            {"a bare year in a framework's graduation container",
             "<p>Year <input name='ctl00$Main$Graduation$Yr'></p>", "ctl00$Main$Graduation$Yr=0"},
        });
        // Lists of a date's parts whose own names and options say nothing
        // of it are the birth's parts where their group names the birth:
        // the caption beside them, a fieldset's legend alone, the heading
        // over their row; their options tell which part each is.
        const QString dateLists = QStringLiteral(
            "<select name='p1'><option value=''>--</option><option>1</option><option>2</option><option>31</option>"
            "</select><select name='p2'><option value=''>--</option><option>1</option><option>11</option><option>12"
            "</option></select><select name='p3'><option value=''>--</option><option>1990</option><option>1991"
            "</option></select>");
        const struct {
            const char* tag;
            QString lists;
            const char* expected;
        } dateGroups[] = {
            {"a date's lists under a legend alone",
             "<fieldset><legend>Date of birth</legend>" + dateLists + "</fieldset>", "p1=11 p2=10 p3=9"},
            {"a date's lists beside Birthday in table cells",
             "<table><tr><td>Birthday</td><td>" + dateLists + "</td></tr></table>", "p1=11 p2=10 p3=9"},
            {"a date's lists under a heading", "<h4>Date of birth</h4><div>" + dateLists + "</div>",
             "p1=11 p2=10 p3=9"},
            {"a date's lists under another date's legend",
             "<fieldset><legend>Arrival</legend>" + dateLists + "</fieldset>", "p1=0 p2=0 p3=0"},
            // Prompts in words the table does not read, and a month's names.
            {"a date's lists in a path's birth group, their prompts in German",
             "<p>Geburtsdatum <select name='dob[d]'><option value=''>TT</option><option>1</option><option>31</option>"
             "</select><select name='dob[m]'><option value=''>Monat</option><option>Januar</option><option>Februar"
             "</option><option>M\u00e4rz</option><option>April</option><option>Mai</option><option>Juni</option>"
             "<option>Juli</option><option>August</option><option>September</option><option>Oktober</option><option>"
             "November</option><option>Dezember</option></select><select name='dob[y]'><option>JJJJ</option>"
             "<option>1990</option></select></p>",
             "dob[d]=11 dob[m]=10 dob[y]=9"},
        };
        for (const auto& row : dateGroups)
            QTest::newRow(row.tag) << inForm("<p>E-mail <input name='em'></p>" + row.lists) << "registration"
                                   << QStringLiteral("em=14 ") + QLatin1String(row.expected);
    }
    void birthDates() { recognitionCase(); }

    // What a control's id or name says of it.
    void idsAndNames_data()
    {
        addColumns<QString, QString, QString>("page", "kind", "expected");
        // A word inside an id or name is outranked by what the box is: a
        // nickname of an address.
        QTest::newRow("an address's nickname is no login")
            << inForm("<p>E-mail <input name='em'></p><p>Password <input type='password' name='pw'></p>"
                      "<p>Address nickname <input id='nickName'></p>")
            << "registration" << "em=14 pw=13 nickName=38";
        // A name that names an address's nickname keeps the person's names
        // and the login away, whatever its label says.
        QTest::newRow("an address's nickname is no name")
            << inForm("<p>E-mail <input name='em'></p><p>Password <input type='password' name='pw'></p>"
                      "<p>Name <input name='addressNickname'></p><p>Nickname (e.g. Home) <input name='addrNickname'>"
                      "</p>")
            << "registration" << "em=14 pw=13 addressNickname=38 addrNickname=38";
        // A name written as a path names the field by its last part: the
        // groups before it (a billing address, a card) are no kind of it.
        QTest::newRow("names written as paths")
            << inForm("<p>E-mail <input name='em'></p><p>Card number <input name='pay.creditCard.number'></p>"
                      "<p>First name <input name='pay.creditCard.billingAddress.firstName'></p>"
                      "<p><input name='pay.creditCard.billingAddress.postalCode'></p>"
                      "<p>Street <input name='customer[address][street]'></p>")
            << "registration"
            << "em=14 pay.creditCard.number=0 pay.creditCard.billingAddress.firstName=1 "
               "pay.creditCard.billingAddress.postalCode=23 customer[address][street]=21";
        // A path whose last parts name nothing is read whole.
        QTest::newRow("a path whose last parts name nothing")
            << inForm("<p><input name='email[0][value]'></p><p>Password <input type='password' name='pw'></p>")
            << "registration" << "email[0][value]=14 pw=13";
        // Page frameworks name a control after the containers it stands in;
        // a word of a container (a content "PlaceHolder", a promotion code's
        // form, a member card's record) is no word of the control, whose own
        // part its label agrees with. A card holder's own box stays the card's.
        const QString aspNet =
            QStringLiteral("<%1 id='ctl00_ContentPlaceHolder1_%2' name='ctl00$ContentPlaceHolder1$%2'%3>");
        QTest::newRow("a framework's containers in table cells")
            << inForm("<table><tr><td>First name</td><td>" + aspNet.arg("input", "txtFirstName", "")
                      + "</td></tr><tr><td>Last name</td><td>" + aspNet.arg("input", "txtLastName", "")
                      + "</td></tr><tr><td>E-mail</td><td>" + aspNet.arg("input", "txtEmail", "")
                      + "</td></tr><tr><td>Password</td><td>" + aspNet.arg("input", "txtPassword", " type='password'")
                      + "</td></tr></table>")
            << "registration"
            << "ctl00_ContentPlaceHolder1_txtFirstName=1 ctl00_ContentPlaceHolder1_txtLastName=3 "
               "ctl00_ContentPlaceHolder1_txtEmail=14 ctl00_ContentPlaceHolder1_txtPassword=13";
        QTest::newRow("a framework's containers in labels for the boxes")
            << inForm("<div><label for='promoCodeForm:email'>E-mail</label> <input id='promoCodeForm:email' "
                      "name='promoCodeForm:email'></div><div><label for='promoCodeForm:pass'>Password</label> "
                      "<input type='password' id='promoCodeForm:pass' name='promoCodeForm:pass'></div>")
            << "registration" << "promoCodeForm:email=14 promoCodeForm:pass=13";
        QTest::newRow("a framework's record of a member card in floats")
            << inForm("<div style='overflow:hidden'><div style='float:left;width:100px'>First name</div><div "
                      "style='float:left'><input id='member_card_first_name' name='member_card[first_name]'>"
                      "</div></div><div style='overflow:hidden'><div style='float:left;width:100px'>E-mail</div>"
                      "<div style='float:left'><input id='member_card_email' name='member_card[email]'></div></div>"
                      "<p>Password <input type='password' name='pw'></p>")
            << "registration" << "member_card_first_name=1 member_card_email=14 pw=13";
        QTest::newRow("a content placeholder's word in an id alone")
            << inForm("<p>E-mail <input id='ContentPlaceHolder1_txtMail' name='txtMail'></p><p>Password <input "
                      "type='password' id='ContentPlaceHolder1_txtPass' name='txtPass'></p>")
            << "registration" << "ContentPlaceHolder1_txtMail=14 ContentPlaceHolder1_txtPass=13";
        QTest::newRow("a card holder's box in a framework's containers")
            << inForm("<p>E-mail <input name='em'></p><p>Name " + aspNet.arg("input", "txtCardHolder", "")
                      + "</p><p>Card number " + aspNet.arg("input", "txtCardNumber", "")
                      + "</p><p>Name on the card <input name='card_holder_name'></p>")
            << "registration"
            << "em=14 ctl00_ContentPlaceHolder1_txtCardHolder=38 ctl00_ContentPlaceHolder1_txtCardNumber=0 "
               "card_holder_name=0";
        // A control's own part names it, however short; a container's word
        // is neither its kind nor a reason to leave it alone.
        addRows(inForm("<p>E-mail <input name='em'></p>%1"), "em=14 ", {
            {"short own parts in a framework's card container in table cells",
             "<table><tr><td>Password</td><td><input type='password' id='ctl00_Card_txtPwd' "
             "name='ctl00$Card$txtPwd'></td></tr></table>",
             "ctl00_Card_txtPwd=13"},
            {"a retyped password's short part in a label for the box",
             "<div><label for='p1'>Password</label> <input type='password' id='p1' name='account.card.pwd'></div>"
             "<div><label for='p2'>Retype password</label> <input type='password' id='p2' "
             "name='account.card.pwd2'></div>",
             "p1=13 p2=13"},
            {"names' short parts in a member card's container in floats",
             "<div style='overflow:hidden'><div style='float:left;width:100px'>First name</div><div "
             "style='float:left'><input name='MemberCard$fn'></div></div><div style='overflow:hidden'><div "
             "style='float:left;width:100px'>Surname</div><div style='float:left'><input name='MemberCard$sn'>"
             "</div></div>",
             "MemberCard$fn=1 MemberCard$sn=3"},
            {"an address container's word on a short part without a label",
             "<div><input name='ctl00$Address$fn'></div>", "ctl00$Address$fn=0"},
        });
    }
    void idsAndNames() { recognitionCase(); }

    // The lines of an address, and the parts of a number over boxes.
    void addresses_data()
    {
        addColumns<QString, QString, QString>("page", "kind", "expected");
        // Lists of countries are the member's country, unless their label
        // asks for another one than where he lives.
        const QString countries = QStringLiteral(
            "<option value=''>Select</option><option>Norway</option><option>Germany</option><option>France</option>");
        QTest::newRow("lists of countries that ask another question")
            << inForm("<p>E-mail <input name='em'></p><p>Nationality <select name='n'>" + countries
                      + "</select></p><p>Country of birth <select name='b'>" + countries
                      + "</select></p><p>Where you live <select name='l'>" + countries + "</select></p>")
            << "registration" << "em=14 n=0 b=0 l=18";
        QTest::newRow("a street by its name, boxes named for assistive technology alone")
            << inForm("<p>E-mail <input name='em'></p><p>Street name and number <input name='sn'></p><p><input "
                      "name='f1' aria-label='First name'> <input name='f2' aria-label='Last name'></p><p><input "
                      "name='contact_email' aria-label='Phone'></p>")
            << "registration" << "em=14 sn=21 f1=1 f2=3 contact_email=24";
        // A second line named in words is the rest of the address.
        QTest::newRow("a second address line named in words")
            << inForm("<p>E-mail <input name='em'></p><p>Address <input name='addressLineOne'></p>"
                      "<p>(optional) <input name='addressLineTwo'></p>")
            << "registration" << "em=14 addressLineOne=21 addressLineTwo=22";
        QTest::newRow("extensions of a number")
            << inForm("<p>E-mail <input name='em'></p><p>Phone <input name='phone' maxlength='12'> "
                      "<input name='phoneEx' maxlength='5'></p><p>ZIP <input name='zip' maxlength='5'> - "
                      "<input name='zipExtn' maxlength='4'></p>")
            << "registration" << "em=14 phone=24 phoneEx=38 zip=23 zipExtn=0";
        // A line number is a word of its own ("address2_45381448" holds no
        // 1); a box that only decorates another sends nothing and parts no
        // label from its box; a second box right under the street is the
        // rest of the address.
        QTest::newRow("second address lines")
            << inForm("<p>E-mail <input name='em'></p><p>Street address <input id='address1_4531'></p>"
                      "<div><div>Apt., suite</div><div><input readonly role='presentation' tabindex='-1' "
                      "value='x'><input id='address2_4531'></div></div>"
                      "<p>Street <input name='street'><br><input name='street_more'></p>"
                      "<div><div>Confirm email address</div><div><input readonly role='presentation' "
                      "value='x'><input id='logonId_4531'></div></div>")
            << "registration" << "em=14 address1_4531=21 address2_4531=22 street=21 street_more=22 logonId_4531=14";
        // Numbered address lines: the street once, in the first; the second
        // the rest of it; a later line the town, the region or the country
        // where the form has no box of that of its own, else nothing.
        QTest::newRow("numbered address lines without a town")
            << inForm("<p>E-mail <input name='em'></p><p>Address line 1 <input name='a1'></p><p>Address line 2 "
                      "<input name='a2'></p><p>Address line 3 <input name='a3'></p><p>Address line 4 <input "
                      "name='a4'></p><p>Address line 5 <input name='a5'></p><p>Postcode <input name='pc'></p>"
                      "<p>Country <select name='co'><option>Norway</option></select></p>")
            << "registration" << "em=14 a1=21 a2=22 a3=19 a4=20 a5=38 pc=23 co=18";
        QTest::newRow("address lines numbered by their names beside a town")
            << inForm("<p>E-mail <input name='em'></p><table><tr><td>Address</td><td><input name='address_line1'>"
                      "</td></tr><tr><td></td><td><input name='address_line2'></td></tr><tr><td></td><td><input "
                      "name='address_line3'></td></tr><tr><td>Town</td><td><input name='tw'></td></tr></table>")
            << "registration" << "em=14 address_line1=21 address_line2=22 address_line3=38 tw=19";
        QTest::newRow("address lines in cells, a later line beside a county")
            << inForm("<p>E-mail <input name='em'></p><table><tr><td>Street (line 1)</td><td><input name='s1'>"
                      "</td></tr><tr><td>Street (line 2)</td><td><input name='s2'></td></tr><tr><td>Street (line 3)"
                      "</td><td><input name='s3'></td></tr><tr><td>Street (line 4)</td><td><input name='s4'></td>"
                      "</tr><tr><td>County</td><td><input name='ct'></td></tr></table>")
            << "registration" << "em=14 s1=21 s2=22 s3=19 s4=38 ct=20";
        // A box that continues the address is its details however it is
        // worded; under one caption the details go into one box; a
        // multi-line box asks for the address; another country's name of the
        // postal code is the postal code inside an address, never a PIN.
        addRows(inForm("<p>E-mail <input name='em'></p>%1"), "em=14 ", {
            {"an address continued in table cells",
             "<table><tr><td>Street address</td><td><input name='a1'></td></tr><tr><td>Address (cont.)</td><td>"
             "<input name='a2'></td></tr></table>",
             "a1=21 a2=22"},
            {"a street address, more, in labels for the boxes",
             "<div><label for='s1'>Street address</label> <input id='s1'></div><div><label for='s2'>Street address, "
             "more</label> <input id='s2'></div>",
             "s1=21 s2=22"},
            {"a further address in floats",
             "<div style='overflow:hidden'><div style='float:left;width:140px'>Address</div><div style='float:left'>"
             "<input name='f1'></div></div><div style='overflow:hidden'><div style='float:left;width:140px'>Further "
             "address</div><div style='float:left'><input name='f2'></div></div>",
             "f1=21 f2=22"},
            {"a billing address continued in blocks",
             "<div><div>Billing address</div><div><input name='b1'></div></div><div><div>Billing address, "
             "continued</div><div><input name='b2'></div></div>",
             "b1=21 b2=22"},
            {"details written once under one caption",
             "<p>Address <input name='ad'><br><input name='ad_x'><br><input name='address2'></p>",
             "ad=21 ad_x=22 address2=38"},
            {"an address in a multi-line box", "<p>Full address <textarea name='fa'></textarea></p>", "fa=21"},
            {"a PIN code inside an address",
             "<table><tr><td>Street</td><td><input name='st'></td></tr><tr><td>City</td><td><input name='ci'></td>"
             "</tr><tr><td>PIN code</td><td><input name='pin'></td></tr></table>",
             "st=21 ci=19 pin=23"},
            {"an address line 3 before any street line",
             "<p>Address line 3 <input name='x3'></p><p>Postcode <input name='pc'></p>", "x3=21 pc=23"},
            {"a later address line whose words name another thing",
             "<p>Address line 1 <input name='l1'></p><p>Address line 2 <input name='l2'></p><p>Address line 3 for "
             "business <input name='l3'></p>",
             "l1=21 l2=22 l3=38"},
            {"a PIN code on a form without an address", "<p>PIN code <input name='pin'></p>", "pin=0"},
            {"a card's and a phone's PIN",
             "<p>Street <input name='st'></p><p>Card PIN <input name='cp'></p><p>Phone PIN <input name='pp'></p>",
             "st=21 cp=0 pp=0"},
            // Under one caption over several lines, the details go into the
            // line after the street only; a line after a town or postal box
            // takes the region where the form has no box for it, or nothing.
            {"a line after the town under one caption",
             "<p>Address <input name='ad'><br><input name='ad_x'><br>Town <input name='tw'><br><input "
             "name='address2'></p>",
             "ad=21 ad_x=22 tw=19 address2=20"},
            {"a line after the postcode beside a county in table cells",
             "<table><tr><td>Address</td><td><input name='l1'></td></tr><tr><td></td><td><input name='l2'></td></tr>"
             "<tr><td>Postcode</td><td><input name='pc'></td></tr><tr><td></td><td><input name='address_2'></td>"
             "</tr><tr><td>County</td><td><input name='cy'></td></tr></table>",
             "l1=21 l2=22 pc=23 address_2=38 cy=20"},
        });
    }
    void addresses() { recognitionCase(); }

    // Parts of a person's name, in one box or several.
    void names_data()
    {
        addColumns<QString, QString, QString>("page", "kind", "expected");
        QTest::newRow("a box of one character takes an initial only")
            << inForm("<p>First name <input id='shipAddressFirstName'></p>"
                      "<p>Type <input id='shipAddressType' maxlength='1'></p>"
                      "<p>Street <input id='shipAddressStreet'></p>")
            << "registration" << "shipAddressFirstName=1 shipAddressType=0 shipAddressStreet=21";
        QTest::newRow("a middle initial in an address form")
            << inForm("<p>First name <input id='shipAddressFirstName'></p>"
                      "<p>M.I. <input id='shipAddressMI'></p><p>Last name <input id='shipAddressLast'></p>"
                      "<p>Street <input id='shipAddressStreet'></p>")
            << "registration" << "shipAddressFirstName=1 shipAddressMI=2 shipAddressLast=3 shipAddressStreet=21";
        QTest::newRow("a middle initial in a box of one character")
            << inForm("<p>First name <input name='fn'></p><p>M.I. <input name='mi' maxlength='1'></p>"
                      "<p>Last name <input name='ln'></p>")
            << "registration" << "fn=1 mi=2 ln=3";
        // One box for both parts of a name takes the whole name; two boxes
        // under such a label take the first and the last; a box that asks
        // for the first name alone takes it.
        const struct {
            const char* tag;
            const char* box;
            const char* expected;
        } wholeNames[] = {
            {"a first and last name in one box", "<p>First and last name <input name='nm'></p>", "nm=4"},
            {"a first and last name in a label around the box",
             "<p><label>Your first and last name <input name='nm'></label></p>", "nm=4"},
            {"first and last name in table cells",
             "<table><tr><td>First &amp; last name</td><td><input name='nm'></td></tr></table>", "nm=4"},
            {"a name of first and last in a label for the box",
             "<div><label for='nm'>Name (first, last)</label> <input id='nm'></div>", "nm=4"},
            {"a first name and surname in floats",
             "<div style='overflow:hidden'><div style='float:left;width:150px'>First name and surname</div><div "
             "style='float:left'><input name='nm'></div></div>",
             "nm=4"},
            {"a given and family name", "<div><span>Given and family name</span><input name='nm'></div>", "nm=4"},
            {"a label of the whole name over two boxes",
             "<p>Name (first, last) <input name='fn'> <input name='ln'></p>", "fn=1 ln=3"},
            {"a label of the whole name over two cells",
             "<table><tr><td>First &amp; last name</td><td><input name='a'></td><td><input name='b'></td></tr>"
             "</table>",
             "a=1 b=3"},
            {"a label of the whole name over boxes named for their parts",
             "<p>First / last name <input name='firstname'> <input name='lastname'></p>", "firstname=1 lastname=3"},
            {"a first name alone", "<table><tr><td>First name</td><td><input name='nm'></td></tr></table>", "nm=1"},
            // Words in brackets or after "e.g." describe the answer: they
            // count only where the caption gives nothing; other, previous or
            // alias names take nothing of the profile.
            {"other names with an example in a label for the box",
             "<div><label for='on'>Other names (such as a nickname)</label> <input id='on'></div>", "on=0"},
            {"an alias with an example in floats",
             "<div style='overflow:hidden'><div style='float:left;width:200px'>Alias (for example your display "
             "name)</div><div style='float:left'><input name='al'></div></div>",
             "al=0"},
            {"a nickname with an example of a first name in blocks",
             "<div><div>Nickname (e.g. your first name)</div><div><input name='nn'></div></div>", "nn=12"},
            {"a nickname with its answer in brackets in a label for the box",
             "<div><label for='nk'>Nickname (your first name)</label> <input id='nk'></div>", "nk=12"},
            {"a contact with an example of a full name", "<p>Contact (e.g. your full name) <input name='ct'></p>",
             "ct=4"},
            {"bare name parts behind a required mark",
             "<p>First <b>*</b> <input name='a'></p><p>Last <b>*</b> <input name='b'></p>", "a=1 b=3"},
            {"captions of a name's parts over a row of boxes",
             "<table><tr><td>First</td><td>Mid.</td><td>Last</td></tr><tr><td><input name='p1'></td><td><input "
             "name='p2'></td><td><input name='p3'></td></tr></table>",
             "p1=1 p2=2 p3=3"},
            // Names the user does not have take nothing, whatever a hint
            // beside them suggests; a hint word of the table cuts a caption
            // however it is written.
            {"other forenames in a label for the box",
             "<div><label for='of'>Other forenames</label> <input id='of'></div>", "of=0"},
            {"an alias named for a nickname with a hint under it",
             "<div><label for='nick'>Alias</label><br><input id='nick' name='nickname'><br><span>(e.g. a nickname "
             "you use)</span></div>", "nick=38"},
            {"a nickname with an example after for instance",
             "<p>Nickname, for instance your first name <input name='nn'></p>", "nn=12"},
            {"a nickname with a long example in brackets in a label for the box",
             "<div><label for='nn'>Nickname (the name others see, e.g. your first name)</label> <input id='nn'>"
             "</div>",
             "nn=12"},
            {"a sentence with such as in a cell beside a box",
             "<table><tr><td>We show it to other members such as your first name</td><td><input name='x'></td>"
             "</tr></table>",
             "x=0"},
        };
        for (const auto& row : wholeNames)
            QTest::newRow(row.tag) << inSignup(QLatin1String(row.box)) << "registration"
                                   << QStringLiteral("em=14 pw=13 ") + QLatin1String(row.expected);
    }
    void names() { recognitionCase(); }

    // Captions beside a box and over a row of boxes.
    void captions_data()
    {
        addColumns<QString, QString, QString>("page", "kind", "expected");
        // A caption of a few words more than a label's, in its own cell or
        // block beside the box, is the box's label as a short one is; a
        // sentence there, or a caption above the box, is a notice.
        const char* const longNames[] = {"Your first and last name", "Enter your first &amp; last name",
                                         "Please type your name (first, last)", "Your first name and surname",
                                         "Your given and family name"};
        const struct {
            const char* tag;
            const char* row;
        } beside[] = {
            {"table cells", "<table><tr><td>%1</td><td><input name='nm'></td></tr></table>"},
            {"a block", "<div><span>%1</span> <input name='nm'></div>"},
            {"blocks side by side", "<div><div style='display:inline-block'>%1</div><div "
                                    "style='display:inline-block'><input name='nm'></div></div>"},
            {"floats", "<div style='overflow:hidden'><div style='float:left;width:160px'>%1</div><div "
                       "style='float:left'><input name='nm'></div></div>"},
        };
        for (const char* name : longNames) {
            for (const auto& markup : beside)
                QTest::newRow(qPrintable(QStringLiteral("\"%1\" in %2").arg(name, markup.tag)))
                    << inSignup(QString::fromLatin1(markup.row).arg(QLatin1String(name))) << "registration"
                    << "em=14 pw=13 nm=4";
        }
        const struct {
            const char* tag;
            const char* box;
            const char* expected;
        } besideBoxes[] = {
            {"a long caption of the whole name over two cells",
             "<table><tr><td>Your first and last name</td><td><input name='a'></td><td><input name='b'></td></tr>"
             "</table>",
             "a=1 b=3"},
            {"a sentence in a cell beside a box",
             "<table><tr><td>Shown instead of your first name.</td><td><input name='nick'></td></tr></table>",
             "nick=0"},
            {"a hint in a float beside a box",
             "<div style='overflow:hidden'><div style='float:left;width:160px'>We never show your last name!</div>"
             "<div style='float:left'><input name='x'></div></div>",
             "x=0"},
            {"a sentence of legal text in a cell beside a box",
             "<table><tr><td>By signing up you agree to give your first name</td><td><input name='x'></td></tr>"
             "</table>",
             "x=0"},
            {"a caption a character longer than a caption may be, in a cell beside a box",
             "<table><tr><td>Telephone number of your organisation's administrative department</td><td>"
             "<input name='x'></td></tr></table>",
             "x=0"},
            {"a first name alone in floats",
             "<div style='overflow:hidden'><div style='float:left;width:160px'>First name</div><div "
             "style='float:left'><input name='nm'></div></div>",
             "nm=1"},
        };
        for (const auto& row : besideBoxes)
            QTest::newRow(row.tag) << inSignup(QLatin1String(row.box)) << "registration"
                                   << QStringLiteral("em=14 pw=13 ") + QLatin1String(row.expected);
        // Captions in a row over a row of boxes: each box takes the caption
        // in its own column, in table cells, blocks set side by side, LABELs
        // or a grid of floats; the heading above the row still reads for the
        // first box. What a box itself says (its LABEL, title or
        // placeholder) comes first, and a caption over one box alone labels it.
        const QString cell = QStringLiteral("<div style='display:inline-block;width:%1px'>%2</div>");
        const QString floated = QStringLiteral("<div style='float:left;width:%1px'>%2</div>");
        const struct {
            const char* tag;
            QString boxes;
            const char* expected;
        } captions[] = {
            {"captions in table cells over a row of boxes",
             "<table><tr><td>First name</td><td>Last name</td></tr><tr><td><input name='n1'></td><td><input "
             "name='n2'></td></tr></table>",
             "n1=1 n2=3"},
            {"captions in blocks side by side over a row of boxes",
             "<div>" + cell.arg(170).arg("Postcode") + cell.arg(170).arg("Extension") + "</div><div>"
                 + cell.arg(170).arg("<input name='z1' size='10'>") + cell.arg(170).arg("<input name='z2' size='4'>")
                 + "</div>",
             "z1=23 z2=0"},
            {"captions in a grid of floats over a row of boxes",
             "<div style='overflow:hidden'>" + floated.arg(220).arg("Street") + floated.arg(90).arg("No.")
                 + "</div><div style='overflow:hidden'>" + floated.arg(220).arg("<input name='st' style='width:200px'>")
                 + floated.arg(90).arg("<input name='hn' style='width:60px'>") + "</div>",
             "st=21 hn=0"},
            {"captions in LABELs over a row of lists under a heading",
             "<p>Date of birth</p><table><tr><td><label>Day</label></td><td><label>Month</label></td><td><label>Year"
             "</label></td></tr><tr><td><select name='s1'><option>-</option><option>1</option></select></td><td>"
             "<select name='s2'><option>-</option><option>May</option></select></td><td><select name='s3'><option>-"
             "</option><option>1990</option></select></td></tr></table>",
             "s1=11 s2=10 s3=9"},
            {"captions in LABELs for the boxes",
             "<table><tr><td><label for='c1'>City</label></td><td><label for='c2'>Postcode</label></td></tr><tr><td>"
             "<input id='c1' name='c1'></td><td><input id='c2' name='c2'></td></tr></table>",
             "c1=19 c2=23"},
            {"captions over boxes that say what they are",
             "<table><tr><td>Town</td><td>Postcode</td></tr><tr><td><input name='b1' placeholder='Postcode'></td>"
             "<td><input name='b2' title='Town'></td></tr></table>",
             "b1=23 b2=19"},
            {"a caption over one box alone after a row under captions",
             "<div>" + cell.arg(170).arg("Postcode") + cell.arg(170).arg("Extension") + "</div><div>"
                 + cell.arg(170).arg("<input name='z1' size='10'>") + cell.arg(170).arg("<input name='z2' size='4'>")
                 + "</div><div>" + cell.arg(170).arg("Town") + "</div><div>" + cell.arg(170).arg("<input name='t1'>")
                 + "</div>",
             "z1=23 z2=0 t1=19"},
        };
        for (const auto& row : captions)
            QTest::newRow(row.tag) << inForm("<p>E-mail <input name='em'></p>" + row.boxes) << "registration"
                                   << QStringLiteral("em=14 ") + QLatin1String(row.expected);
    }
    void captions() { recognitionCase(); }

    // The login a user picks, and the numbers he already holds.
    void logins_data()
    {
        addColumns<QString, QString, QString>("page", "kind", "expected");
        // On a sign-up without a login box a number the user already holds
        // (a programme's "ID No.", "Member ID #", a frequent flyer's ID) is
        // checked against the site's records: it is no login. The name the
        // user picks ("User ID", "Username", "Choose a user ID") still is.
        const struct {
            const char* tag;
            const char* box;
            const char* expected;
        } held[] = {
            {"a programme's ID number", "<p>Stay Rewards ID No. <input name='srid'></p>", "srid=0"},
            {"a member ID with a hash in table cells",
             "<table><tr><td>Member ID #</td><td><input name='mem'></td></tr></table>", "mem=0"},
            {"a frequent flyer's ID in a label for the box",
             "<div><label for='ff'>Frequent flyer ID</label> <input id='ff'></div>", "ff=0"},
            {"a customer's ID number in floats",
             "<div style='overflow:hidden'><div style='float:left;width:120px'>Customer ID number</div><div "
             "style='float:left'><input name='cust'></div></div>",
             "cust=0"},
            {"a user ID in table cells",
             "<table><tr><td>User ID</td><td><input name='uid'></td></tr></table>", "uid=12"},
            {"a username in a label for the box",
             "<div><label for='un'>Username</label> <input id='un'></div>", "un=12"},
            {"a user ID to choose in floats",
             "<div style='overflow:hidden'><div style='float:left;width:120px'>Choose a user ID</div><div "
             "style='float:left'><input name='pick'></div></div>",
             "pick=12"},
            // Whose ID or number it is, in any words: never the login; the
            // sign-in name the user picks is.
            {"a pupil's ID beside a sign-in name to choose in table cells",
             "<table><tr><td>Pupil ID</td><td><input name='pup'></td></tr><tr><td>Choose a sign-in name</td><td>"
             "<input name='sn'></td></tr></table>",
             "pup=0 sn=12"},
            {"a staff ID beside a member name to pick in labels for the boxes",
             "<div><label for='st'>Staff ID</label> <input id='st'></div><div><label for='mn'>Pick a member name"
             "</label> <input id='mn'></div>",
             "st=0 mn=12"},
            {"a service's own ID named in the page's title",
             "<title>Join Tesvar</title><p>Tesvar ID <input name='tid'></p>", "tid=12"},
            {"an employee's ID in floats",
             "<div style='overflow:hidden'><div style='float:left;width:120px'>Employee ID</div><div "
             "style='float:left'><input name='emp'></div></div>",
             "emp=0"},
            {"a licence ID beside an account name in blocks",
             "<div><div>Licence ID</div><div><input name='lic'></div></div><div><div>Account name</div><div>"
             "<input name='an'></div></div>",
             "lic=0 an=12"},
        };
        for (const auto& row : held)
            QTest::newRow(row.tag) << inSignup(QLatin1String(row.box)) << "registration"
                                   << QStringLiteral("em=14 pw=13 ") + QLatin1String(row.expected);
        // A box whose own name is a login word is the login where its
        // caption, in whatever language, names no other kind.
        addRows(inSignup("%1"), "em=14 pw=13 ", {
            {"a username under a German caption in table cells",
             "<table><tr><td>Benutzername</td><td><input name='username'></td></tr></table>", "username=12"},
            {"a user name under an Italian caption in a label for the box",
             "<div><label for='un'>Nome utente</label> <input id='un' name='user_name'></div>", "un=12"},
            {"a nick under a Spanish caption in floats",
             "<div style='overflow:hidden'><div style='float:left;width:120px'>Apodo</div><div style='float:left'>"
             "<input name='nick'></div></div>",
             "nick=12"},
            {"a screen name under a Portuguese caption in blocks",
             "<div><div>Nome de exibi&ccedil;&atilde;o</div><div><input name='screenname'></div></div>",
             "screenname=12"},
            {"a username under a caption of another kind", "<p>Phone <input name='username'></p>", "username=24"},
        });
        // Two account names are no clear evidence of the service's own.
        QTest::newRow("two IDs are no login")
            << inForm("<p>Member ID <input name='mid'></p><p>Referrer ID <input name='rid'></p>"
                      "<p>Password <input type='password' name='pw'></p>")
            << "registration" << "mid=0 rid=0 pw=13";
    }
    void logins() { recognitionCase(); }

    // Whole pages as sites write them.
    void recognition_data()
    {
        addColumns<QString, QString, QString>("page", "kind", "expected");
        // The members' e-mail preference is no terms box: the real one, whose
        // own label accepts the rules, keeps its check. The picture code is
        // asked first, before its name makes it a security answer.
        QTest::newRow("forum sign-up") << "forum-signup.html" << "registration"
            << "username=12 email=14 email_confirm=14 new_password=13 password_confirm=13 allow_pm=27 "
               "confirm_answer=28 agreed=26";
        // Trap fields of every kind stay out; an accepted newsletter is no terms.
        QTest::newRow("cms registration") << "cms-register.html" << "registration"
            << "jform_name=4 jform_username=12 jform_password1=13 jform_password2=13 jform_email1=14 "
               "accept_newsletter=27 jform_tos=26 jform_captcha_answer=28";
        // Labels after inputs and sub-labels under the previous field; the
        // address levels; a login that may also be an e-mail.
        QTest::newRow("webmail sign-up") << "webmail-signup.html" << "registration"
            << "nm=4 given=1 family=3 loc=18 bm=0 bd=0 acct=12 nick=0 post_addr=21 line2=22 pcode=23 address-level2=19 "
               "address-level1=20 pw=13 gender=6 vcode=28 tos=26 offers=27";
        QTest::newRow("forum sign-up in fieldsets") << "forum-vb.html" << "registration"
            << "username=12 password=13 passwordconfirm=13 email=14 emailconfirm=14 humanverify[input]=28 "
               "month=10 day=11 year=9 referrername=0 cb_adminemail=27 cb_showemail=27 cb_rules_agree=26";
        QTest::newRow("login, code by its picture") << "login-image.html" << "login"
            << "login_name=12 login_pass=13 code=38 Enter=34 =28";
        QTest::newRow("login, code by its label") << "login-captcha.html" << "login"
            << "user=12 pwd=13 code=28 go=34";
        QTest::newRow("login, code by its name") << "login-security.html" << "login"
            << "mid=12 mpw=13 captcha_answer=28 Login=34";
        QTest::newRow("login, picture widget") << "login-widget.html" << "login"
            << "login_field=12 password=13 commit=34 =28";
        // An editor frame without a name takes the body; the excerpt's help
        // text and a press release are neither body nor biography.
        QTest::newRow("cms article") << "article-cms.html" << "article"
            << "title=29 =37 excerpt=36 press_release=0 newtag=30 post_category=32 author_bio=35";
        QTest::newRow("article directory") << "article-directory.html" << "article"
            << "category_id=32 art_title=29 art_kw=30 teaser=0 art_body=37 resbox=35 sec_answer=28 notify=27 "
               "tos_ok=26";
        QTest::newRow("directory") << "directory-submit.html" << "directory"
            << "t=29 u=15 d=31 c=32 r=38 n=4 e=14 s=28 SEND_NEWS=27 AGREERULES=26";
        // A field is filled on clear evidence only: its own label outranks
        // its name, a hint names no field, a date needs a birth, a card's
        // code is no picture code; a box the form requires is the terms.
        QTest::newRow("club sign-up") << "club-join.html" << "registration"
            << "n1=1 n2=3 dn=5 acc=14 pw=13 grad=0 often=38? confirm1=26 confirm2=27 confirm3=27";
        QTest::newRow("shop checkout") << "shop-checkout.html" << "registration"
            << "bf=1 bl=3 bc=38 b1=21 b2=22 bt=19 ph_a=24 ph_b=24 ph_c=24 be=14 dd=11 dob_m=10 dob_y=9 pw=13 cn=0 "
               "em=0 exp_year=0 cv=0 agb=26 news=27";
        // The service's own account name is its login, whatever service; a
        // box whose own label links to another document is the terms, in
        // any language.
        QTest::newRow("chat service sign-up") << "chat-signup.html" << "registration"
            << "fn=1 ln=3 jid=12 p1=13 p2=13 rmail=14 paddr=21 pz=23 ok=26";
        // A comment form is no sign-up, however many fields it has.
        QTest::newRow("comment form beside a newsletter") << "blog-post.html" << "registration"
            << "nl_name=4 nl_mail=14";
        QTest::newRow("social bookmark") << "social-submit.html" << "social"
            << "url=15 title=29 tags=30 bodytext=31 answer=28 follow=27";
        // Every box of a list of topics is a category, none an offer.
        QTest::newRow("bookmark topics")
            << "bookmark-topics.html"
            << "social"
            << "link=0 headline=29 about=31 topic_general=32 topic_news=32 topic_tech=32 topic_sport=32 labels=30 "
               "digest=27";
        // A rich editor's frame stands for the hidden text area it edits:
        // it takes that area's kind, by the area's name or its label; the
        // one editor of a form whose words name no body is the body.
        QTest::newRow("classic post editor") << "post-editor.html" << "article"
            << "title=29 content_ifr=37 new-tag-post_tag=30 post_category=32";
        QTest::newRow("press release, two editors") << "press-release.html" << "article"
            << "pr_headline=29 pr_subheadline=0 pr_section=32 =36 =37 pr_keywords=30 pr_terms=26";
        QTest::newRow("magazine in another language") << "magazine-de.html" << "article"
            << "ueberschrift=0 rubrik=0 editor1_ifr=37 schlagworte=0";
        const QString editors = QStringLiteral(
            "<body><form><p>Title <input name='t'></p>%1</form><script>var f = document.getElementsByTagName("
            "'iframe'); for (var i = 0; i < f.length; ++i) { var d = f[i].contentDocument; d.open(); d.write("
            "'<body contenteditable=\"true\"></body>'); d.close(); }</script></body>");
        const QString editor = QStringLiteral(
            "<div class='rte'><div class='bar'><button type='button'>B</button></div><iframe id='%1_ifr'></iframe>"
            "</div><textarea id='%1' name='%1' style='display:none'></textarea>");
        QTest::newRow("two editors of no words")
            << editors.arg(editor.arg("e1") + editor.arg("e2")) << "article" << "t=29 e1_ifr=0 e2_ifr=0";
        QTest::newRow("an editor's id that extends another area's")
            << editors.arg(editor.arg("post") + editor.arg("post_excerpt")) << "article"
            << "t=29 post_ifr=0 post_excerpt_ifr=36";
        QTest::newRow("one editor that names a summary")
            << editors.arg("<label for='s'>Summary</label>" + editor.arg("s")) << "article" << "t=29 s_ifr=36";
        // A forum's new topic: its subject and message are the title and
        // the body; a message to the moderators is none.
        QTest::newRow("forum topic")
            << inForm("<p>Subject <input name='subject'></p><p><textarea name='message' rows='9'></textarea></p>"
                      "<p>Message to the moderators <textarea name='note'></textarea></p>")
            << "article" << "subject=29 message=37 note=0";
        // A site's address and its keywords in a text area on a link
        // directory; an address, a headline and a topic on a bookmark form,
        // never the sender's e-mail address.
        QTest::newRow("link directory") << "link-directory.html" << "directory"
            << "site_title=29 site_addr=15 topic_id=32 site_desc=31 site_kw=30 backlink=0 site_mail=14";
        QTest::newRow("bookmarking app") << "bookmark-app.html" << "social"
            << "lf_address=15 lf_title=29 lf_notes=31 lf_tags=30 private=27";
        QTest::newRow("social news, first step") << "story-submit.html" << "social"
            << "story_url=15 story_headline=29 story_contact=0 story_tags=30 story_text=31";

    }

    void recognition() { recognitionCase(); }

    // What a page declares of a box (a standard autocomplete token, the
    // input's own type) holds in any language and outranks a caption that
    // says less; a box that shows what is typed never takes the password;
    // a question that tests the user is left for him ("?" after the kind).
    void declared_data()
    {
        addColumns<QString, QString, QString>("page", "kind", "expected");
                QTest::newRow("types only, in a language the table does not read")
            << inForm(QString::fromUtf8(
                   "<p>名前 <input name='f1'></p><p>メールアドレス <input type='email' name='f2'></p>"
                   "<p>パスワード <input type='password' name='f3'></p><p>パスワード（確認） <input type='password' "
                   "name='f4'></p><p>電話番号 <input type='tel' name='f5'></p><p>ホームページ <input type='url' "
                   "name='f6'></p>"))
            << "registration" << "f1=0 f2=14 f3=13 f4=13 f5=24 f6=15";
        QTest::newRow("tokens only, with opaque names")
            << inForm(QString::fromUtf8(
                   "<p>姓 <input name='q1' autocomplete='family-name'></p><p>名 <input name='q2' "
                   "autocomplete='section-a given-name'></p><p>メール <input name='q3' autocomplete='email'></p>"
                   "<p>ユーザー <input name='q4' autocomplete='username'></p><p>住所 <input name='q5' "
                   "autocomplete='shipping address-line1'></p><p>建物 <input name='q6' autocomplete='address-line2'>"
                   "</p><p>市 <input name='q7' autocomplete='address-level2'></p><p>郵便 <input name='q8' "
                   "autocomplete='billing postal-code'></p><p>国 <select name='q9' autocomplete='country'><option>"
                   "日本</option></select></p><p>電話 <input name='q10' autocomplete='home tel'></p><p>ファクス "
                   "<input name='q11' autocomplete='fax tel'></p><p>年 <select name='q12' autocomplete='bday-year'>"
                   "<option>1990</option></select></p><p>会社 <input name='q13' autocomplete='organization'></p>"
                   "<p>カード <input name='q14' autocomplete='cc-number'></p><p>コード <input name='q15' "
                   "autocomplete='one-time-code'></p><p>他 <input name='q16' autocomplete='on'></p><p>パスワード "
                   "<input type='password' name='q17' autocomplete='new-password'></p><p>名 <input name='q18' "
                   "autocomplete='email family-name'></p>"))
            << "registration"
            << "q1=3 q2=1 q3=14 q4=12 q5=21 q6=22 q7=19 q8=23 q9=18 q10=24 q11=25 q12=9 q13=38 q14=38 q15=38 "
               "q16=0 q17=13 q18=0";
        // A caption that says less than the token loses to it; one that says
        // more (the part of a name a site splits, a login that is the
        // e-mail) tells what the token does not.
        QTest::newRow("tokens against captions")
            << inForm("<p>Your name <input name='n1' autocomplete='family-name'></p><p>Street <input name='a2' "
                        "autocomplete='address-line2'></p><p>First name <input name='n2' autocomplete='name'></p>"
                        "<p>E-mail <input name='u1' autocomplete='username'></p><p>Login <input type='email' "
                        "name='e1'></p><p>Name <input name='o1' autocomplete='organization'></p><p>Password <input "
                        "type='text' name='p1' autocomplete='new-password'></p><p>E-mail <input name='m2' "
                        "autocomplete='email' placeholder='you@company.com'></p>")
            << "registration" << "n1=3 a2=22 n2=1 u1=14 e1=14 o1=38 p1=38 m2=14";
        // A type names less than a token: a card's number, a code or a PIN
        // in such a box, or a phone the form names elsewhere, stay apart.
        QTest::newRow("types where the words name another thing")
            << inForm("<p>E-mail <input name='em'></p><p>Phone <input name='ph'></p><p>PIN <input "
                        "type='password' name='pin'></p><p>Secret answer <input type='password' name='sa'></p>"
                        "<p>Card number <input type='tel' name='cn'></p><p>Code <input type='tel' name='cv'></p>"
                        "<p>Other <input type='tel' name='t2'></p><p>Website <input name='ws'></p><p>Feed <input "
                        "type='url' name='u2'></p>")
            << "registration" << "em=14 ph=24 pin=0 sa=0 cn=0 cv=0 t2=0 ws=15 u2=0";
        QTest::newRow("the password only in a password box")
            << inForm("<p>E-mail <input name='em'></p><p>Password <input type='password' name='pw'></p>"
                        "<p>Password recovery phrase <input name='ph'></p><p>Password question <input name='pq'>"
                        "</p><p>Password <input name='pt'></p>")
            << "registration" << "em=14 pw=13 ph=38 pq=16 pt=38";
        // The security question a user writes keeps its kind; a question
        // that tests him is none, nor is its answer his security answer.
        QTest::newRow("a human check is no security question")
            << inForm("<p>E-mail <input name='em'></p><p>Password <input type='password' name='pw'></p>"
                        "<p>Security question <input name='sq'></p><p>Security answer <input name='sa'></p>"
                        "<p>Anti-spam question <input name='h1'></p><p>What is 3 + 4?</p><p>Answer <input "
                        "name='h2'></p><p><label for='h3'>Question: what colour is snow?</label> <input id='h3'></p>")
            << "registration" << "em=14 pw=13 sq=16 sa=17 h1=38? h2=38? h3=38?";
        QTest::newRow("a human check asked inside the first box")
            << inForm("<p><input name='h0' placeholder='What is 3 + 4?'></p><p>E-mail <input name='em'></p>")
            << "registration" << "h0=38? em=14";
        // A bare name's box tells the part by its own tip; a gender's radio
        // by its value where its words are in another language.
        QTest::newRow("a box's own tip and a radio's value")
            << inForm(QString::fromUtf8("<p>Name <input name='nm' title='Last name'></p><p>性別 <input "
                                          "type='radio' name='gender' value='m'> 男 <input type='radio' "
                                          "name='gender' value='f'> 女</p>"))
            << "registration" << "nm=3 gender/m=7 gender/f=8";
        // A box of another control takes what its token declares; a token
        // beside words of another thing (a PIN, a hint) leaves it alone.
        addRows(inForm("<p>E-mail <input name='em'></p>%1"), "em=14 ", {
            {"a street declared on a multi-line box",
             "<p>Adresse <textarea name='ad' autocomplete='street-address'></textarea></p><p>Ort <input name='ort' "
             "autocomplete='address-level2'></p>",
             "ad=21 ort=19"},
            {"a phone's token beside a PIN", "<p>Phone PIN <input name='pp' autocomplete='tel'></p>", "pp=38"},
            // Another person's details take none of the member's own.
            {"another person's details by words, type and token",
             "<p>Parent's e-mail (if under 16) <input name='pe' type='email'></p><p>Emergency contact phone <input "
             "name='ep' autocomplete='tel'></p><p>Invited by (username) <input name='iv'></p>",
             "pe=0 ep=38 iv=38"},
        });
    }

    void declared() { recognitionCase(); }

    void sameSiteFramesAreWalked()
    {
        LoopbackServer site;
        LoopbackServer other;
        QVERIFY(site.start() && other.start());
        const QString signup = QStringLiteral(
            "<html><body><form action='/join' method='post'><table>"
            "<tr><td>Username</td><td><input name='uname'></td></tr>"
            "<tr><td>Password</td><td><input type='password' name='pw1'></td></tr>"
            "<tr><td>E-mail</td><td><input name='mail'></td></tr>"
            "<tr><td colspan='2'><input type='checkbox' name='terms'> I agree to the terms</td></tr>"
            "</table></form></body></html>");
        site.setHtml(QStringLiteral("/frame.html"), signup);
        other.setHtml(QStringLiteral("/frame.html"), signup);
        const QString page = QStringLiteral(
            "<html><body><form action='/news'><p>E-mail <input name='news_mail'></p>"
            "<p><input type='checkbox' name='consent'> I agree to get news</p></form>"
            "<iframe src='%1' width='600' height='400'></iframe></body></html>");
        site.setHtml(QStringLiteral("/same.html"), page.arg(QStringLiteral("/frame.html")));
        site.setHtml(QStringLiteral("/foreign.html"), page.arg(other.url(QStringLiteral("/frame.html")).toString()));

        QWebView view;
        QSignalSpy loaded(&view, &QWebView::loadFinished);
        view.load(site.url(QStringLiteral("/same.html")));
        QVERIFY(QTest::qWaitFor([&] { return !loaded.isEmpty(); }, 10000));
        QCOMPARE(recognise(QStringLiteral("registration"), view), split("uname=12 pw1=13 mail=14 terms=26"));

        // A frame of another site is not the page's own.
        loaded.clear();
        view.load(site.url(QStringLiteral("/foreign.html")));
        QVERIFY(QTest::qWaitFor([&] { return !loaded.isEmpty(); }, 10000));
        QCOMPARE(recognise(QStringLiteral("registration"), view), split("news_mail=14 consent=27"));
    }

    // A login that asks for a picture code is filled and not sent; one
    // without is sent by its button, a picture too (with the point clicked on
    // it, as WebKit sends it). A form with no button to press is filled, not
    // sent, and the user is told. "sent" is the request the site gets.
    void loginClick_data()
    {
        addColumns<QString, QString, bool>("page", "sent", "told");
        for (const char* page : {"login-captcha.html", "login-widget.html", "login-security.html", "login-image.html"})
            QTest::newRow(page) << page << QString() << false;
        QTest::newRow("login.html") << "login.html" << "POST /login user=anna&pwd=pw&captcha=" << false;
        const QString login = QStringLiteral(
            "<body><form action='/s'><p>Login <input name='user'></p><p>Password <input type='password' name='pw'>"
            "</p>%1<p><input type='submit' name='go' value='Go'></p></form></body>");
        const QString byGo = QStringLiteral("GET /s?user=anna&pw=pw&go=Go");
        QTest::newRow("an empty slot for a picture test")
            << login.arg("<div class='captchaBlock' style='padding:4px'></div>") << byGo << false;
        QTest::newRow("a message about the picture test")
            << login.arg("<div id='DivInvalidCaptcha'>The code was wrong, try again</div>") << byGo << false;
        const QString frame = QStringLiteral("<div class='g-recaptcha'><iframe src='about:blank' %1></iframe></div>");
        QTest::newRow("a picture test's frame")
            << login.arg(frame.arg("width='304' height='78'")) << QString() << false;
        // A test's frame that is not shown asks nothing now.
        QTest::newRow("a picture test's frame not displayed")
            << login.arg(frame.arg("width='304' height='78' style='display:none'")) << byGo << false;
        QTest::newRow("a picture test's frame made invisible")
            << login.arg(frame.arg("width='304' height='78' style='visibility:hidden'")) << byGo << false;
        QTest::newRow("a picture test's frame of no size")
            << login.arg(frame.arg("width='0' height='0' frameborder='0'")) << byGo << false;
        QTest::newRow("a picture test's frame of no height")
            << login.arg(frame.arg("width='304' height='0' frameborder='0'")) << byGo << false;
        QTest::newRow("a picture test's holder not displayed")
            << login.arg("<div class='g-recaptcha' style='display:none'><iframe src='about:blank' width='304' "
                         "height='78'></iframe></div>")
            << byGo << false;

        const QString buttons = QStringLiteral(
            "<body><form action='/s' method='post'><p>Login <input name='user'></p><p>Password "
            "<input type='password' name='pw'></p><p>%1</p></form></body>");
        const QString picture = QStringLiteral("<input type='image' src='/go.png' width='60' height='20' alt='Log in'");
        QTest::newRow("a picture button")
            << buttons.arg(picture + " name='go'>") << "POST /s user=anna&pw=pw&go.x=0&go.y=0" << false;
        QTest::newRow("a picture button without a name")
            << buttons.arg(picture + ">") << "POST /s user=anna&pw=pw&x=0&y=0" << false;
        QTest::newRow("a picture button before a submit")
            << buttons.arg(picture + " name='pic'> <input type='submit' name='go' value='Go'>")
            << "POST /s user=anna&pw=pw&go=Go" << false;
        QTest::newRow("no button") << buttons.arg(QString()) << QString() << true;
        QTest::newRow("a bare button is no submit") << buttons.arg("<button>Log in</button>") << QString() << true;
    }

    void loginClick()
    {
        QFETCH(QString, page);
        QFETCH(QString, sent);
        QFETCH(bool, told);
        TestDatabase db;
        Logger::resetForTests();
        LoopbackServer site;
        QVERIFY(site.start());
        site.setHtml(QStringLiteral("/form.html"), page.endsWith(QLatin1String(".html")) ? resource(page) : page);
        QWebView view;
        QSignalSpy loaded(&view, &QWebView::loadFinished);
        view.load(site.url(QStringLiteral("/form.html")));
        QVERIFY(QTest::qWaitFor([&] { return !loaded.isEmpty(); }, 10000));
        watchSubmit(view, true);
        QSignalSpy notices(UtilSignalManager::instance(), &UtilSignalManager::onError);

        DelegateLoginSubmitter(PageDomHandle(&view), nullptr)
            .submit(QStringLiteral("anna"), QStringLiteral("pw"), true, -1);
        QCOMPARE(view.page()->mainFrame()->evaluateJavaScript(QStringLiteral("window.sent")).toInt(),
                 sent.isEmpty() ? 0 : 1);
        // Filled all the same, for the user to type the code and send.
        QCOMPARE(view.page()->mainFrame()->findFirstElement(QStringLiteral("input[type=password]"))
                     .evaluateJavaScript(QStringLiteral("this.value")).toString(),
                 QStringLiteral("pw"));
        QCOMPARE(notices.size(), told ? 1 : 0);
        if (told)
            QCOMPARE(notices.first().first().toString(), LocaleMessage::formNotSent());
        QVERIFY(Logger::errors().isEmpty());
        if (sent.isEmpty())
            return;

        const QString path = sent.section(QLatin1Char(' '), 1, 1).section(QLatin1Char('?'), 0, 0);
        QVERIFY(QTest::qWaitFor([&] { return !site.requestsFor(path).isEmpty(); }, 10000));
        const LoopbackServer::Request request = site.requestsFor(path).first();
        QString got = QString::fromLatin1(request.method + ' ' + request.target);
        if (!request.body.isEmpty())
            got += QLatin1Char(' ') + QString::fromLatin1(request.body);
        QCOMPARE(got, sent);
    }

    void choiceListsAndGender()
    {
        TestDatabase db;
        QVERIFY(useProject(QStringLiteral("P")) > 0);

        const int master = addRow(
            QStringLiteral("MasterAccount"),
            {{"Name", "eva"}, {"FirstName", "Eva"}, {"LastName", "Lund"}, {"FullName", "Eva Lund"},
             {"Login", "evalund"}, {"Password", scrambled(QStringLiteral("pw"))},
             {"Email", "eva@example.com"}, {"Country", "norway"}, {"City", "Bergen"}, {"Province", "Vestland"},
             {"Address", "Strandkaien 1"}, {"ZipCode", "5013"}, {"Gender", 0}, {"Birthday", "1990-05-17"}});
        QVERIFY(master > 0);

        QWebView view;
        QVERIFY(load(view, QStringLiteral("webmail-signup.html")));
        DelegateRegistrationSubmitter(PageDomHandle(&view), nullptr).submit(master, -1);
        QString fields = QStringLiteral("nm=Eva Lund|given=Eva|family=Lund|loc=NO|bm=|acct=evalund|"
                                        "address-level2=Bergen|address-level1=Vestland|post_addr=Strandkaien 1|"
                                        "line2=|pcode=5013|gender=f|vcode=");
        QCOMPARE(valuesLike(view, fields), fields);
        QCOMPARE(valueOf(view, QStringLiteral("tos"), "checked"), QStringLiteral("true"));
        QCOMPARE(valueOf(view, QStringLiteral("offers"), "checked"), QStringLiteral("false"));

        // Gender radios follow the identity too.
        QVERIFY(setHtml(view, QStringLiteral(
            "<body><form><p>Login <input name='l'></p><p>Password <input type='password' name='p'></p>"
            "<p><input type='radio' name='sex' value='1'> Male <input type='radio' name='sex' value='2'> Female</p>"
            "</form></body>")));
        DelegateRegistrationSubmitter(PageDomHandle(&view), nullptr).submit(master, -1);
        QCOMPARE(view.page()->mainFrame()->findFirstElement(QStringLiteral("[value='2']"))
                     .evaluateJavaScript(QStringLiteral("this.checked")).toBool(),
                 true);

        // Category options indented by blanks, non-breaking spaces and tree marks.
        const int top = categoryUnder(QStringLiteral("Top"), -1);
        categoryUnder(QStringLiteral("Marketing"), top);
        const int entry = addRow(QStringLiteral("Directory"),
                                 {{"Name", "d"}, {"ProjectID", DBCache::projectId()}, {"CategoryID", top},
                                  {"Title", "Shop"}, {"URL", "http://shop.example/"}});
        QVERIFY(load(view, QStringLiteral("directory-submit.html")));
        DelegateDirectorySubmitter(PageDomHandle(&view), nullptr).submit(entry, -1);
        fields = QStringLiteral("CATEGORY_ID=8|URL=http://shop.example/|RECPR_URL=|homepage=|spamcheck=");
        QCOMPARE(valuesLike(view, fields), fields);
        QCOMPARE(valueOf(view, QStringLiteral("AGREERULES"), "checked"), QStringLiteral("true"));
        QCOMPARE(valueOf(view, QStringLiteral("SEND_NEWS"), "checked"), QStringLiteral("false"));

        // The body reaches an editor frame that has neither id nor name.
        const int sites = categoryUnder(QStringLiteral("Sites"), -1);
        categoryUnder(QStringLiteral("sport"), sites);
        const int article = addRow(QStringLiteral("Article"),
                                   {{"Name", "a"}, {"ProjectID", DBCache::projectId()}, {"CategoryID", sites},
                                    {"Author", "Eva writes"}});
        const int spun = addRow(QStringLiteral("SpunArticle"),
                                {{"Name", "s"}, {"ProjectID", DBCache::projectId()}, {"ArticleID", article},
                                 {"TitleFinal", "Title"}, {"IntroFinal", "Intro"}, {"BodyFinal", "Body"}});
        QVERIFY(load(view, QStringLiteral("article-cms.html")));
        DelegateArticleSubmitter(PageDomHandle(&view), nullptr).submit(article, spun, -1);
        fields = QStringLiteral("post_category=4|excerpt=Intro|press_release=|author_bio=Eva writes");
        QCOMPARE(valuesLike(view, fields), fields);
        QCOMPARE(view.page()->mainFrame()->childFrames().value(0)->findFirstElement(QStringLiteral("body"))
                     .toPlainText().trimmed(),
                 QStringLiteral("Body"));
    }
};

TESVAR_TEST(SmartRealFormsTest)
#include "SmartRealFormsTest.moc"
