#include "TestRows.h"
#include "TestRunner.h"

#include "automation/SmartAttributeLookup.h"
#include "automation/SmartArticleField.h"
#include "automation/SmartDirectoryAttribute.h"
#include "automation/SmartDirectoryField.h"
#include "automation/SmartFieldLookup.h"
#include "automation/SmartSocialBookmarkField.h"
#include "automation/SmartTextLookup.h"

#include <QtTest>

#include <memory>

using namespace Vexal;

namespace {

enum { Check = 2, Pass = 6, Radio = 7, Select = 9, Submit = 10, Text = 11, Area = 12, Frame = 13 };

// Answers one matcher by name: a bool matcher gives 1 or 0, a kind matcher
// its kind.
int ask(SmartTextLookup& m, const QString& matcher, const QString& text, const QString& second, int type)
{
    const QByteArray n = matcher.toLatin1();
    if (n == "isCountry") return m.isCountry(text, type);
    if (n == "isTerms") return m.isTerms(text, type);
    if (n == "isNews") return m.isNews(text, type);
    if (n == "isPassword") return m.isPassword(text, type);
    if (n == "isCaptcha") return m.isCaptcha(text, type);
    if (n == "isMail") return m.isMail(text, type);
    if (n == "isUrl") return m.isUrl(text, type);
    if (n == "isLogin") return m.isLogin(text, type);
    if (n == "isTitle") return m.isTitle(text, type);
    if (n == "isTags") return m.isTags(text, type);
    if (n == "isDescription") return m.isDescription(text, type);
    if (n == "isCategory") return m.isCategory(text, type);
    if (n == "isIntro") return m.isIntro(text, type);
    if (n == "isBio") return m.isBio(text, type);
    if (n == "isBody") return m.isBody(text, type);
    if (n == "isDay") return m.isDay(text, type);
    if (n == "contactKind") return m.contactKind(text, type);
    if (n == "addressKind") return m.addressKind(text, type);
    if (n == "userKind") return m.userKind(text, second, true, type);
    if (n == "userKindStrict") return m.userKind(text, second, false, type);
    if (n == "nameKind") return m.nameKind(text);
    if (n == "genderKind") return m.genderKind(text, second, type);
    qFatal("unknown matcher");
    return -1;
}

std::unique_ptr<SmartTextLookup> lookupOf(const QString& family)
{
    if (family == QLatin1String("field"))
        return std::make_unique<SmartFieldLookup>(nullptr);
    if (family == QLatin1String("attribute"))
        return std::make_unique<SmartAttributeLookup>(nullptr);
    if (family == QLatin1String("articleField"))
        return std::make_unique<SmartArticleField>(nullptr);
    if (family == QLatin1String("directoryField"))
        return std::make_unique<SmartDirectoryField>(nullptr);
    if (family == QLatin1String("directoryAttribute"))
        return std::make_unique<SmartDirectoryAttribute>(nullptr);
    if (family == QLatin1String("socialField"))
        return std::make_unique<SmartSocialBookmarkField>(nullptr);
    return std::make_unique<SmartTextLookup>(nullptr);
}

} // namespace

class SmartMatcherTest : public QObject
{
    Q_OBJECT

private slots:
    void matchers_data()
    {
        addColumns<QString, QString, QString, QString, int, int>(
            "family", "matcher", "text", "second", "type", "expected");

        auto row = [](const char* tag, const char* family, const char* matcher, const char* text,
                      const char* second, int type, int expected) {
            QTest::newRow(tag) << QString::fromLatin1(family) << QString::fromLatin1(matcher)
                               << QString::fromLatin1(text) << QString::fromLatin1(second) << type << expected;
        };
        // Base matchers: type first, then case-insensitive contains.
        row("login after mail", "base", "isLogin", "E-mail login", "", Text, 0);
        row("nickname", "base", "isLogin", "NICKNAME", "", Text, 1);
        row("terms needs checkbox", "base", "isTerms", "I agree", "", Text, 0);
        row("terms", "base", "isTerms", "I Accept", "", Check, 1);
        row("country short stem", "base", "isCountry", "Countries", "", Select, 1);
        row("country on text", "base", "isCountry", "Country", "", Text, 0);
        // Short keywords stand at the start (most also at the end) of a word:
        // names split at "-", "_", case changes and digits.
        row("res not inside address", "base", "isBio", "Your address", "", Area, 0);
        row("res not inside press", "base", "isBio", "press_release", "", Area, 0);
        row("res starts resbox", "base", "isBio", "resBox", "", Area, 1);
        row("bio ends a compound", "base", "isBio", "authorbio", "", Area, 1);
        row("day ends birthday", "base", "isDay", "Birthday", "", Select, 1);
        row("tag not inside stage", "base", "isTags", "Stage", "", Text, 0);
        row("tags", "base", "isTags", "post_tags", "", Text, 1);
        row("url ends siteurl", "base", "isUrl", "siteurl", "", Text, 1);
        row("url not inside curly", "base", "isUrl", "Curly", "", Text, 0);
        row("home page", "base", "isUrl", "Homepage", "", Text, 1);
        row("home phone is no home page", "base", "isUrl", "Home phone", "", Text, 0);
        row("mail ends email", "base", "isMail", "userEmail2", "", Text, 1);
        row("mail inside a name", "base", "isMail", "emailaddress", "", Text, 1);
        row("tags ending a name", "base", "isTags", "posttags", "", Text, 1);
        row("terms inside a name", "base", "isTerms", "agreeterms", "", Check, 1);
        row("term not inside determine", "base", "isTerms", "Determine", "", Check, 0);
        row("text not inside context", "articleField", "isBody", "Shown in context", "", Area, 0);
        row("password inside a name", "attribute", "isPassword", "newpassword1", "", Pass, 1);
        row("mailing address is no mail", "base", "isMail", "Mailing address", "", Text, 0);
        row("long keyword anywhere", "base", "isCountry", "yourCountry", "", Select, 1);
        row("login named by ID", "base", "isLogin", "ID and Email", "", Text, 1);
        row("ID only as a word", "base", "isLogin", "IDEAL email", "", Text, 0);
        row("newsletter accepted is no terms", "base", "isTerms", "accept_newsletter", "", Check, 0);
        row("address level 2 is the city", "base", "contactKind", "address-level2", "", Text, 19);
        row("address level 1 is the state", "base", "contactKind", "address-level1", "", Text, 20);
        row("address level no line", "base", "addressKind", "address-level2", "", Text, 0);
        row("address line 2", "base", "addressKind", "address-line2", "", Text, 22);
        // Picture codes by their usual words, and the names sites give them.
        row("captcha", "base", "isCaptcha", "recaptcha_response_field", "", Text, 1);
        row("confirmation code", "base", "isCaptcha", "Confirmation code:", "", Text, 1);
        row("image verification", "base", "isCaptcha", "Image Verification", "", Text, 1);
        row("verification code", "base", "isCaptcha", "verificationCode", "", Text, 1);
        row("security code", "base", "isCaptcha", "security_code", "", Text, 1);
        row("characters you see", "base", "isCaptcha", "Enter the characters you see", "", Text, 1);
        row("security question is no code", "base", "isCaptcha", "Security question answer", "", Text, 0);
        row("verify e-mail is no code", "base", "isCaptcha", "Verify e-mail", "", Text, 0);
        row("empty text", "base", "isUrl", "", "", Text, 0);
        row("url on password", "base", "isUrl", "Home page", "", Pass, 0);
        row("description on area", "base", "isDescription", "Desc.", "", Area, 1);
        row("body on iframe", "base", "isBody", "Body", "", Frame, 1);
        row("password base", "base", "isPassword", "Password", "", Text, 0);
        row("zip by postal", "base", "contactKind", "Zip/Postal code", "", Text, 23);
        row("state", "base", "contactKind", "State/Province", "", Text, 20);
        row("fax before phone", "base", "contactKind", "Phone or fax", "", Text, 25);
        row("contact on select", "base", "contactKind", "City", "", Select, 0);
        row("address 2", "base", "addressKind", "Address line 2", "", Text, 22);
        row("address 1 / 2", "base", "addressKind", "Address 1 / 2", "", Text, 21);
        row("street address", "base", "addressKind", "Street address", "", Text, 21);
        row("female first", "base", "genderKind", "Female", "", Radio, 8);
        row("male", "base", "genderKind", "male", "", Radio, 7);
        row("gender on select", "base", "genderKind", "Gender", "", Select, 0);
        // Names: four letters, "ID" only in capitals, ownerKind last.
        row("first name", "base", "nameKind", "First name", "", 0, 1);
        row("screen name", "base", "nameKind", "Display Name", "", 0, 5);
        row("your name", "base", "nameKind", "Your name", "", 0, 39);
        row("name colon", "base", "nameKind", "Name:", "", 0, 39);
        row("user alone", "base", "nameKind", "User", "", 0, 39);
        row("UserID", "base", "nameKind", "UserID", "", 0, 39);
        row("Userid", "base", "nameKind", "Userid", "", 0, 0);
        row("company", "base", "nameKind", "Company", "", 0, 0);
        row("username fallback", "base", "userKind", "Username", "", Text, 12);
        row("name fallback", "base", "userKind", "Name", "", Text, 4);
        row("second text decides", "base", "userKind", "Name", "Last name", Text, 3);
        row("no fallback", "base", "userKindStrict", "Username", "", Text, 0);
        row("direct kind", "base", "userKind", "Middle name", "", Text, 2);
        row("user on select", "base", "userKind", "Username", "", Select, 0);
        // Field and attribute families replace single matchers.
        row("field password on text", "field", "isPassword", "Password", "", Text, 1);
        row("field country on text", "field", "isCountry", "Country", "", Text, 1);
        row("field countr", "field", "isCountry", "Countries", "", Select, 0);
        row("attribute pswd", "attribute", "isPassword", "user_pswd", "", Pass, 1);
        row("attribute pass on text", "attribute", "isPassword", "pass", "", Text, 0);
        row("attribute gender select", "attribute", "genderKind", "sex", "", Select, 6);
        row("attribute gender by value", "attribute", "genderKind", "gender", "F", Radio, 8);
        row("attribute gender value m", "attribute", "genderKind", "gender", "m", Radio, 7);
        row("attribute gender text", "attribute", "genderKind", "g female", "x", Radio, 8);
        row("article body by letters", "articleField", "isBody", "Article", "", Area, 1);
        row("article body longer", "articleField", "isBody", "Article:", "", Area, 1);
        row("article not body", "articleField", "isBody", "Your article", "", Area, 0);
        row("article intro descr", "articleField", "isIntro", "Short description", "", Area, 1);
        row("article title on area", "articleField", "isTitle", "Title", "", Area, 1);
        row("directory owner", "directoryField", "userKind", "Owner name", "", Text, 4);
        row("directory owner attribute", "directoryAttribute", "nameKind", "owner_name", "", 0, 39);
        row("social notes", "socialField", "isDescription", "Notes", "", Text, 1);
    }

    void matchers()
    {
        QFETCH(QString, family);
        QFETCH(QString, matcher);
        QFETCH(QString, text);
        QFETCH(QString, second);
        QFETCH(int, type);
        QFETCH(int, expected);
        const auto lookup = lookupOf(family);
        QCOMPARE(ask(*lookup, matcher, text, second, type), expected);
    }
};

TESVAR_TEST(SmartMatcherTest)
#include "SmartMatcherTest.moc"
