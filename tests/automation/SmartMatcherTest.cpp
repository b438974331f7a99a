#include "TestRows.h"
#include "TestRunner.h"

#include "automation/smart/SmartAttributeLookup.h"
#include "automation/smart/SmartArticleField.h"
#include "automation/smart/SmartDirectoryAttribute.h"
#include "automation/smart/SmartDirectoryField.h"
#include "automation/smart/SmartFieldLookup.h"
#include "automation/smart/SmartSocialBookmarkField.h"
#include "automation/smart/SmartKeywords.h"
#include "automation/smart/SmartTextLookup.h"

#include <QMetaEnum>
#include <QtTest>

#include <memory>

using namespace Vexal;

namespace {

enum { Any = -1, Check = 2, Pass = 6, Radio = 7, Select = 9, Submit = 10, Text = 11, Area = 12, Frame = 13 };

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

using K = SmartKeywords;

// The lookup of a family ("plain", "field", "attribute") in a form
// (":article", ":directory", ":registration", ":social"; none without).
std::unique_ptr<SmartTextLookup> lookupFor(const QString& spec)
{
    const QString form = spec.section(QLatin1Char(':'), 1);
    const SmartForm f = form == QLatin1String("article")        ? SmartFormArticle
        : form == QLatin1String("directory")                     ? SmartFormDirectory
        : form == QLatin1String("registration")                  ? SmartFormRegistration
        : form == QLatin1String("social")                        ? SmartFormSocialBookmark
                                                                 : SmartFormNone;
    if (spec.startsWith(QLatin1String("field")))
        return std::make_unique<SmartFieldLookup>(nullptr, f);
    if (spec.startsWith(QLatin1String("attribute")))
        return std::make_unique<SmartAttributeLookup>(nullptr, f);
    return std::make_unique<SmartTextLookup>(nullptr, f);
}

// What a group of rows reads in a text: the kind it gives (for a "ranked"
// lookup, a plain one, with "#" and the place of the row that gave it), "w" when the
// text holds a word of the group that gives no kind there (excluded, or
// another type or lookup), "c" when it holds a context word.
QString answer(const SmartTextLookup& lookup, K::Group group, const QString& text, int type, bool ranked = false)
{
    const int kind = lookup.kindOf(group, text, type);
    QString found = QString::number(kind);
    if (ranked)
        found += QStringLiteral("#%1").arg(lookup.keywords().rank(group, lookup.hits(text), type, lookup.scope()));
    if (kind == 0 && lookup.holds(group, text))
        found += QLatin1Char('w');
    if (lookup.keywords().holdsContext(group, kind ? kind : -1, lookup.hits(text)))
        found += QLatin1Char('c');
    return found;
}

// Texts as forms write them, and what each group of the table reads in
// them: every word, excluding word, further word and context word of the
// table is needed by one of them (everyWordIsRead).
struct Texts {
    const char* lookup;
    const char* group;
    int type;
    const char* texts; // "|" between texts
    const char* expected;
};

const Texts corpus[] = {
    {"field", "Country", Select, "Country|Your country", "18"},
    {"field", "Country", Select, "Countries", "0w"},
    {"field", "Country", Select,
     "Country of birth|Country of nationality|Country of citizenship|Country of issue|Passport country", "0w"},
    {"plain", "Country", Select, "Countries of birth|Nationality country|Citizenship country|Issuing country|"
     "Passport countries", "0w"},
    {"plain", "Country", Select, "Countries|countryCode", "18"},
    {"plain", "Terms", Check, "Terms of use|I agree|I accept the rules|agreeterms|Conditions of sale|Forum rules|I consent",
     "26"},
    {"plain", "Terms", Check, "Terms of our promotions|I accept promotions|I agree, see my card", "0w"},
    {"plain", "Terms", Check, "Terms of the newsletter|Terms of our offers|Terms for subscribers", "0w"},
    {"plain", "Terms", Check, "Terms of the credit plan|Conditions of financing", "0w"},
    {"plain", "Terms", Check, "I agree to the newsletter|I accept offers|I agree to subscribe", "0w"},
    {"plain", "Terms", Check, "I accept the store credit|I agree to financing", "0w"},
    {"plain", "Terms", Check, "Determine", "0"},
    // The rules, conditions and legal notices of the languages whose forms
    // the program reads; the offers and news of those languages are none.
    {"ranked", "Terms", Check,
     "Termini e condizioni|T\xc3\xa9rminos de uso|Die AGB|Nutzungsbedingungen|Datenschutzerkl\xc3\xa4rung|"
     "Algemene voorwaarden|Informativa|Huishoudelijk reglement|Regeln|Regole|Reglas|Regras|"
     "Legal notice|Aviso legal|Note legali",
     "26#0"},
    {"plain", "Terms", Check,
     "Termen van de nieuwsbrief|Angebote und Bedingungen|Ofertas y condiciones|Aanbiedingen en voorwaarden|"
     "Werbung und AGB|Pubblicit\xc3\xa0 e condizioni|Publicidad y condiciones|Marketing terms",
     "0w"},
    {"ranked", "Terms", Check,
     "I have read the privacy notice|Privacy: ich akzeptiere|Privacy: einverstanden|Accetto la policy|"
     "Privacy: akkoord|Acepto la policy|Aceito a policy|Concordo com a policy|Policy gelesen|Ho letto la policy|"
     "Policy gelezen|He le\xc3\xad" "do la policy|Policy lido|Guide: I consent",
     "26#1"},
    {"plain", "Terms", Check,
     "I have read the nieuws guide|I have read the Angebot guide|I have read the ofertas guide|"
     "I have read the aanbiedingen guide|I have read the Werbung guide|I have read the pubblicit\xc3\xa0 guide|"
     "I have read the publicidad guide|I have read the marketing guide",
     "0w"},
    {"ranked", "Terms", Check, "Ich akzeptiere|Einverstanden|Accetto|Akkoord|Acepto|Aceito|Concordo",
     "26#2"},
    {"plain", "Terms", Check,
     "I agree to the nieuws|I agree to Angebote|I agree to ofertas|I agree to aanbiedingen|I agree to Werbung|"
     "I agree to pubblicit\xc3\xa0|I agree to publicidad|I agree to marketing",
     "0w"},
    // The documents of an agreement as a link's words or address name them.
    {"plain", "Agreement", Any,
     "Terms|Condiciones|Rules|Code of conduct|Code of ethics|User agreement|T\xc3\xa9rminos|AGB|Nutzungsbedingungen|"
     "Datenschutz|Voorwaarden|Informativa|Reglement|Reglamento|Regeln|Regole|Reglas|Regras|Legal notice|"
     "Aviso legal|Note legali|/policies|/guide|/privacy|/tos|/eula",
     "26"},
    // Agreeing to guidelines, a policy or a guide one has read speaks of the
    // rules (the second row), a notice that names a policy does not; a
    // consent to be billed later on credit is no terms.
    {"ranked", "Terms", Check,
     "I have read the posting guidelines|I agree to the privacy policy of this site|I accept the policy|"
     "Follow the guide",
     "26#1"},
    {"ranked", "Terms", Check, "I agree|I consent", "26#2"},
    // A code of conduct or of ethics, or a user agreement, is the rules (and
    // no code to type).
    {"ranked", "Terms", Check,
     "I have read the Code of Conduct|I accept the code of ethics|I have read the User Agreement|"
     "I agree to the user agreement|I have read the rulebook",
     "26#0"},
    {"plain", "Terms", Check, "Guide to our shop|Our privacy policy says how we keep your data", "0w"},
    {"plain", "Terms", Check,
     "Electronic consent|I agree to pay later|I accept paylater|I consent, bill me|Terms of electronic delivery|"
     "Terms to pay later|Paylater terms|Terms to bill me",
     "0w"},
    {"plain", "Terms", Check,
     "I have read the newsletter guide|I have read the offers guide|I have read the subscriber guide|"
     "I have read the promotions guide|I have read the credit guide|I have read the financing guide|"
     "I have read the electronic guide|I have read the pay later guide|I have read the paylater guide|"
     "I have read the bill me guide",
     "0w"},
    // A programme to enrol in (rewards, points, a loyalty club, a trial) or
    // a partner's offer is no terms, whatever rules of its own it accepts.
    {"plain", "Terms", Check,
     "Stay Rewards rules|Loyalty club terms|Points conditions|Enrol me, see conditions|Trial conditions|"
     "Partner terms",
     "0w"},
    {"plain", "Terms", Check,
     "I have read the rewards guide|I have read the loyalty guide|I have read the points guide|"
     "I have read the enrolment guide|I have read the trial guide|I have read the partner guide",
     "0w"},
    {"plain", "Terms", Check,
     "I agree to earn rewards|I accept the loyalty club|I agree to collect points|I agree to enrol|"
     "I accept the trial|I consent to share with partners",
     "0w"},
    {"plain", "News", Check, "Send me news|newsletter", "27"},
    {"plain", "News", Check, "Text me updates|Price alert|Remember me|Keep me signed in|Stay logged in", "27"},
    {"plain", "News", Check,
     "Nieuwsbrief|Angemeldet bleiben|Eingeloggt bleiben|Ricordami|Onthoud mij|Ingelogd blijven|Recordarme|"
     "Recu\xc3\xa9rdame|Lembrar-me|Mantenha-me conectado|Mantener la sesi\xc3\xb3n",
     "27"},
    {"field", "Password", Pass, "Password|Retype password", "13"},
    {"field", "Password", Text, "Password|Password recovery phrase|Password hint", "38"},
    {"field", "Password", Text, "Password question|Password recovery question", "0w"},
    {"attribute", "Password", Pass, "pass|user_pswd", "13"},
    {"attribute", "Password", Text, "pass", "0w"},
    {"plain", "Password", Pass, "Password", "13"},
    {"plain", "Captcha", Text,
     "private_key|recaptcha_response_field|Confirm code|Confirmation code|Verification code|Verify code|"
     "Image verification|Visual verification|Word verification|Human verification|Security code|securitycode|"
     "seccode|Image code|imagecode|imagestring|imagestamp|humanverify|Type the characters you see|"
     "Enter the characters|Characters shown above|Enter the code|Code shown|Code in the image|"
     "Code from the image|Turing test|wordVerify|Enter what you see above|Enter the text shown above|"
     "Type the text you see|Text in the image|Letters shown|Letters you see",
     "28"},
    {"plain", "Captcha", Text, "Card security code|CVV security code|CVC security code", "0w"},
    {"plain", "Captcha", Text, "Card captcha|CVV image code", "28"},
    {"plain", "Mail", Text, "E-mail|userEmail2|emailaddress", "14"},
    {"plain", "Mail", Text, "Mailing address", "0"},
    {"plain", "Url", Text, "Homepage|Home page|Website|Site URL|siteurl|Site address|Web address", "15"},
    {"plain", "Url", Text, "Home phone|HomeArea|Home", "0"},
    // A bookmark's address, not an e-mail or a street.
    {"field:social", "Url", Text, "Address|Page address|bookmark_address", "15"},
    {"plain", "Url", Text, "Home address|Address", "0w"},
    {"field:social", "Url", Text, "E-mail address|Street address|Postal address", "0w"},
    {"plain", "Url", Text, "Curly", "0"},
    {"plain", "Login", Text, "Login|Nickname|Choose a sign-in name|Signin name|Pick a member name|Account name", "12"},
    {"plain", "Login", Text, "E-mail login", "0w"},
    {"plain", "Login", Text, "Address nickname", "0w"},
    {"field:article", "Title", Area, "Title|Heading|Headline", "29"},
    {"field:directory", "Title", Text, "Title|Heading|story_headline", "29"},
    {"field:article", "Title", Text, "Subtitle|Sub-heading|Subheadline", "0w"},
    {"field:article", "Title", Text, "Subject", "29"},
    {"field:directory", "Title", Text, "Subtitle|Sub heading|Subheading", "0w"},
    {"field:directory", "Title", Area, "Title", "0w"},
    {"field:article", "Tags", Area, "Tags|Keywords", "30"},
    {"field:directory", "Tags", Text, "Tags|Keywords|post_tags", "30"},
    {"field:directory", "Tags", Area, "Keywords|Tags", "30"},
    {"field:social", "Tags", Text, "Tags|Keywords", "30"},
    {"field:social", "Tags", Area, "Tags", "0w"},
    {"field:directory", "Tags", Text, "Stage", "0"},
    {"field:social", "Description", Area, "Description|Desc.|Comment|Notes", "31"},
    {"field:directory", "Description", Area, "Description|desc", "31"},
    {"field:directory", "Description", Area, "Notes", "0w"},
    {"plain", "Category", Select, "Category|Categories|Topic|Section|topic_id", "32"},
    {"plain", "Category", Select, "Topical|Intersection", "0"},
    {"field:article", "Intro", Area, "Summary|Intro|Short description|Excerpt", "36"},
    {"plain", "Intro", Area, "Summary|Introduction|Excerpt", "36"},
    {"field:article", "Bio", Area, "Resource box|Bio|About the author", "35"},
    {"plain", "Bio", Area, "resBox|Bio|authorbio", "35"},
    {"plain", "Bio", Area, "Your address|press_release", "0"},
    {"field:article", "Body", Area, "Body|Text|Content", "37"},
    {"attribute:article", "Body", Frame, "content|post_content|body", "37"},
    {"attribute:article", "Body", Area, "teaser_text", "0w"},
    {"field:article", "Body", Area, "Message|Your message", "37"},
    {"field:article", "Body", Area,
     "Message to the editor|Message for the moderator|Message to admin|Message to staff|Message for the reviewer", "0w"},
    {"plain", "Body", Area, "Body", "37"},
    {"field:article", "ArticleWord", Area, "Article", "37"},
    {"plain", "Question", Select, "Security question", "16"},
    {"plain", "Question", Text, "Security question|Your question", "16"},
    {"plain", "Question", Text, "Answer to the security question|SecretQuestionAnswer", "0w"},
    {"plain", "Answer", Text, "Your answer", "17"},
    {"plain", "BirthPart", Select, "Year", "9"},
    {"plain", "BirthPart", Select, "Month", "10"},
    {"plain", "BirthPart", Select, "Day|Today", "11"},
    {"plain", "BirthPart", Select, "Year of birth|Year born|dob_year|bday_year|Age in years", "9c"},
    {"plain", "BirthPart", Select, "Month of birth|Month born|dob_month|bday_month|Age in months", "10c"},
    {"plain", "BirthPart", Select, "Day born|dob_day|bday_day|Age in days", "11c"},
    // The whole date is no part of it.
    {"plain", "BirthPart", Select, "Birthday|Birthdays|bday", "0c"},
    {"plain", "BirthPart", Text, "Date of birth (mm/dd/yyyy)|Birth date: day month year", "0wc"},
    {"plain", "BirthPart", Select, "Page|Message", "0"},
    {"plain", "BirthPart", Select, "bday_yyyy|dob_yy", "9c"},
    {"plain", "BirthPart", Select, "bday_mm", "10c"},
    {"plain", "BirthPart", Select, "dob_dd", "11c"},
    {"plain", "BirthPart", Text, "Year of birth|Year born|dob_yyyy|bday_yy", "9c"},
    {"plain", "BirthPart", Text, "Month of birth|Month born|dob_mm|bday_month", "10c"},
    {"plain", "BirthPart", Text, "Day of birth|Day born|dob_dd|bday_dd", "11c"},
    {"plain", "BirthPart", Text, "Day phone|Year of graduation", "0w"},
    {"plain", "BirthPart", Text, "Age in years", "0wc"},
    {"plain", "Contact", Text, "Fax|faxNumber", "25"},
    {"plain", "Contact", Text, "Phone|Tel|Mobile", "24"},
    {"plain", "Contact", Text, "Phone ext|Phone extension|phoneExtn", "0w"},
    {"plain", "Contact", Text, "postal_ext|postalExtn|Postal code extension|Postal suffix", "0w"},
    {"plain", "Contact", Text, "zip_ext|zipExtn|ZIP extension|zipSuffix", "0w"},
    {"plain", "Contact", Text, "Postal code|Zip|zipcode|Postcode|Post code", "23"},
    {"plain", "Contact", Text, "Attachment (.zip)|File: zip", "0w"},
    {"plain", "Contact", Text, "Postal address", "0wc"},
    {"plain", "Contact", Text, "PIN code|Pincode", "23"},
    {"plain", "Contact", Text, "PIN code, address|PIN code, street|PIN code, city|PIN code, town", "23c"},
    {"plain", "Contact", Text, "Card PIN code|Phone PIN code|Mobile PIN code|SIM PIN code|Bank PIN code", "0w"},
    {"plain", "Contact", Text, "State|Province|County", "20"},
    {"plain", "Contact", Text, "City|Town/City|Town", "19"},
    {"plain", "AddressLevel", Any, "address-level1", "20"},
    {"plain", "AddressLevel", Any, "address-level2", "19"},
    {"plain", "AddressLevel", Any, "address-level3", "0w"},
    {"plain", "Address", Text, "Street address|Address line 1|Street|Street name|Street name and number", "21"},
    {"plain", "Address", Text, "Unit #|Apt|Apartment|Suite", "22"},
    {"plain", "Address", Text,
     "addressLineTwo|Second street line|addrTwo|Address (cont.)|Street address, continued|Street address, more|"
     "Further address|Additional address",
     "22"},
    {"plain", "Address", Text, "Second company address|Address two, care of|Second address name", "0w"},
    {"plain", "Address", Text, "Second|Line two", "0w"},
    {"plain", "Address", Text, "Name and address|address_company|Address, care of", "0w"},
    {"plain", "NamePart", Any, "First name|Given name|Forename", "1"},
    {"plain", "NamePart", Any, "Middle name", "2"},
    {"plain", "NamePart", Any, "Last name|Family name|Surname", "3"},
    {"plain", "NamePart", Any, "Full name|Real name", "4"},
    {"plain", "NamePart", Any, "First and last name|Given and family name|Forename and surname", "4"},
    {"plain", "NamePart", Any, "Screen name|Display name|Public name", "5"},
    {"plain", "NamePart", Any, "Business name", "0"},
    {"plain", "NamePart", Any, "Your name", "39"},
    {"plain", "NamePart", Any, "First|Middle|Last|Given|Family|Full|Screen|Your", "0w"},
    {"plain", "Initial", Any, "Middle initial|M.I.|MI|shipAddressMI", "2"},
    {"plain", "Initial", Any, "Mile|Miami", "0"},
    {"plain", "NameWord", Any, "first|given|forename", "1"},
    {"plain", "NameWord", Any, "middle|mid|initial", "2"},
    {"plain", "NameWord", Any, "last|family|surname", "3"},
    {"plain", "NameWord", Any, "firstly|lastname", "0"},
    {"plain", "Name", Any, "Name", "39"},
    // A name of another thing than the member.
    {"plain", "Name", Any,
     "Name on card|CC name|Company name|Business name|Taxpayer name|Name for VAT|Name (care of)|Attachment name|"
     "Your street name|"
     "File name|Name your price|Address nickname",
     "0w"},
    {"field", "Password", Pass, "Password hint|Password reminder|One time password", "0w"},
    {"plain", "Login", Text, "Address nickname|addrNickname|Nickname of the address", "0w"},
    {"plain", "Mail", Text, "Email OTP|E-mail verification|Email code|E-mail PIN", "0w"},
    {"plain", "User", Any, "User", "39"},
    {"attribute", "Gender", Select, "sex|gender|user_sex", "6"},
    {"attribute", "Gender", Select, "Unisexual", "0"},
    {"plain", "Gender", Radio, "Female", "8"},
    {"plain", "Gender", Radio, "Male", "7"},
    {"plain", "Gender", Select, "Gender", "0w"},
    {"plain", "GenderName", Any, "Your gender", "6"},
    {"plain", "Messenger", Text,
     "Yahoo ID|user_yim|Messenger|Instant messaging|AIM screen name|ICQ number|Skype|Jabber|XMPP address|"
     "MSN|GTalk|Google Talk|Hangouts|Windows Live|IM handle|IM name|IM ID|IRC nick|QQ number|Kik|WhatsApp|"
     "Telegram|WeChat|Viber|Discord|Snapchat|Twitter handle|Facebook|Instagram|LinkedIn|YouTube channel|"
     "TikTok|Pinterest",
     "38"},
    {"plain", "Messenger", Text, "Yahoo! Mail address", "0w"},
    {"plain", "Messenger", Text, "Claim number|Circle of friends|Home address", "0"},
    {"plain", "AuthorSelect", Select, "Author", "38"},
    {"plain", "PenName", Select, "penname", "38"},
    {"field:directory", "Owner", Any, "Owner name|Submitter name|Contact name", "4"},
    {"field:directory", "Owner", Any, "Owner|Contact", "0w"},
    {"attribute:directory", "Owner", Any, "owner_name", "39"},
    {"attribute:directory", "Owner", Any, "owner", "0w"},
    {"plain", "Reciprocal", Any, "Reciprocal link", "38"},
    {"plain", "LinkAfter", Any, "$20 featured|Reciprocal", "38"},
    {"plain", "LinkAfter", Any, "Free listing", "33"},
    {"plain", "DescriptionLimit", Text, "desc_limit|description limit", "38"},
    {"plain", "DescriptionLimit", Text, "description|desc", "31"},
    {"plain", "LinkType", Radio, "link_type", "33"},
    {"plain", "Free", Any, "free", "33"},
    {"plain", "CategoryList", Check, "Categories|Topics", "32"},
    {"plain", "CategoryList", Check, "Newsletter topics|Topics to subscribe to|Mailing list categories", "0w"},
    {"plain", "DateWord", Any, "Year|Months|Day|Date", "0w"},
    {"plain", "AgeRule", Any,
     "18 years old|13 years or older|younger than 13 years|aged 16 years|at least eighteen years|over sixteen years|"
     "under thirteen years",
     "0w"},
    {"plain", "Filler", Any, "Select|Choose|Please|Your|Enter|Pick", "0w"},
    {"plain", "Prompt", Any,
     "Month|Day|Year|MM|DD|YY|YYYY|Date|Birth|DOB|Gender|Sex|Title|Country|State|Province|Region|Category|Your|of|"
     "the|a|an",
     "0w"},
    {"plain", "CommentBox", Area, "Comment|Message", "38"},
    {"plain", "Card", Any, "Card number|CC|CVV|CVC|CSC|Expiry|Exp. month|Holder", "38"},
    {"plain", "Card", Any, "ContentPlaceHolder1", "0w"},
    {"plain", "HumanCheck", Text,
     "Anti-spam question|Are you human?|Robot check|Bot test|Math question|Maths|Arithmetic|Sum of 2 and 3|"
     "Two plus three|Five minus two|Three times two|What colour is the sky?|What color is grass?|"
     "Which colour is snow?|Which color is a lemon?",
     "38"},
    {"plain", "HumanCheck", Text, "Favourite colour|Bottom|Summary|Pluses", "0"},
    {"plain", "Card", Any, "Shareholder|Householder", "0"},
    {"plain", "RequiredNote", Any, "Required fields|Mandatory", "0w"},
    {"plain", "Message", Any,
     "Invalid image code|Incorrect code|Wrong code|Error|Mismatch|Codes do not match|Try again", "0w"},
    {"plain", "KeepAsIs", Check, "Save this address|Save my shipping details|Save for billing|Add to my address book|"
     "Gift wrap|Add a gift message|This order is a gift",
     "38"},
    {"plain", "KeepAsIs", Check,
     "Save this address for news|Save my address for offers|Save my address to subscribe|Save the address for "
     "promotions|Gift news|Gift offers|Gift subscription|Gift promotions|Save my card",
     "0w"},
    {"plain", "KeepAsIs", Check, "Join Stay Rewards|Loyalty club|Pay with points|Enrol me|Start my free trial", "38"},
    {"plain", "KeepAsIs", Check, "Rewards news|Loyalty offers|Subscribe to rewards|Rewards promotions", "0w"},
    // The words of a link to help, unless they name rules.
    {"plain", "MoreInfo", Any,
     "Learn more|Details|More information|More info|See how it works|Find out more|Read more|What is this?|"
     "What's this?|Info",
     "38"},
    {"plain", "MoreInfo", Any, "Terms details|Conditions: read more|Rules, details|Policy details|Agreement details",
     "0w"},
    // A number held in a programme; the ID a user picks is none.
    {"plain", "HeldNumber", Text,
     "Member ID|Loyalty ID|Rewards ID|Customer ID|Policy ID|Frequent flyer ID|Club ID|Skywards ID No.|ID number|"
     "Skywards ID #",
     "38"},
    {"plain", "HeldNumber", Text, "Choose a member ID|Create a member ID|Pick a member ID|Desired member ID", "0w"},
    // Another person's details: none of the member's own.
    {"plain", "Mail", Text,
     "Referrer's e-mail|Email of the member who invited you|Invited by (email)|Inviter email|Sponsor email|"
     "Parent's email|Guardian email|Emergency contact email|Next of kin email|Friend's email|Friends' emails|"
     "Recipient email|Beneficiary email",
     "0w"},
    {"plain", "WhoseId", Text, "Pupil ID|Staff ID", "38"},
    {"plain", "OwnAddress", Any, "billFirstName|Shipping address|Deliver to|Mailing address", "0w"},
    {"plain", "PathKey", Any, "value|val", "0w"},
    {"plain", "Hint", Any, "Alias (e.g. a nickname)|For example|For instance|Such as|Like your card", "0w"},
    {"plain", "Name", Any,
     "Other name|Other names|Other forenames|Other given names|Other first names|Other surnames|Other last names|"
     "Previous name|Maiden name|Alias name|Former name",
     "0w"},
    // A recovery question's words, and those that ask of the past only in
    // a question; a box that repeats another; a login word of a box's name.
    {"plain", "Recovery", Any,
     "Street you grew up on|Town you grow up in|Childhood hero|Favourite book|Favorite color|Grandmother|"
     "Grandfather|Grandparents|Mother's maiden name|Father's middle name|Sister's name|Brother's name|Best friend|"
     "Oldest friend|First pet|Pet's name|Honeymoon|First car|First school|First job",
     "17"},
    {"plain", "Asked", Any, "Born in|It was|They were|You did|We met|Teacher|Pet|Spouse|Street|School", "17"},
    {"plain", "Repeat", Any,
     "Confirm answer|Retype answer|Re-type answer|Repeat answer|Answer again|Re-enter answer|Reenter answer|"
     "Verify answer",
     "0w"},
    {"plain", "LoginName", Text, "nick|screenname|screen_name", "12"},
    {"plain", "BirthWord", Any, "Date of birth|Born|DateOfBirth|dob[year]|bday", "0w"},
    // Tags separated by spaces, in the words pages ask for them (the row
    // that answers after "#"), not where commas do too.
    {"ranked", "SpaceSeparated", Any,
     "Separated by spaces|space-separated|Separate tags with spaces|Space delimited|Use spaces between tags", "0#0w"},
    {"ranked", "SpaceSeparated", Any, "Separated by spaces, no commas|No comma|Without commas|Not commas", "0#1w"},
    {"ranked", "SpaceSeparated", Any, "Separated by commas or spaces|Commas, spaces allowed|Space for notes",
     "0#-1w"},
};

bool ranked(const char* lookup)
{
    return qstrcmp(lookup, "ranked") == 0;
}

K::Group groupNamed(const char* name)
{
    bool ok = false;
    const int value = QMetaEnum::fromType<K::Group>().keyToValue(name, &ok);
    if (!ok)
        qFatal("no group %s", name);
    return K::Group(value);
}

// The answers of every text of the corpus by a table.
QStringList corpusAnswers(const SmartKeywords& keywords)
{
    QStringList answers;
    for (const Texts& entry : corpus) {
        const auto lookup = lookupFor(QLatin1String(entry.lookup));
        lookup->setKeywords(&keywords);
        for (const QString& text : QString::fromUtf8(entry.texts).split(QLatin1Char('|')))
            answers << QStringLiteral("%1 %2: %3").arg(QLatin1String(entry.group), text,
                                                     answer(*lookup, groupNamed(entry.group), text, entry.type,
                                                            ranked(entry.lookup)));
    }
    return answers;
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
        row("birthday is the whole date", "base", "isDay", "Birthday", "", Select, 0);
        row("day ends a word", "base", "isDay", "Workday", "", Select, 1);
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
        row("field password on text", "field", "isPassword", "Password", "", Text, 0);
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

    // Every text of the corpus reads as forms mean it.
    void keywordTable_data()
    {
        addColumns<QString, QString, int, QString, QString>("lookup", "group", "type", "text", "expected");
        for (const Texts& entry : corpus) {
            for (const QString& text : QString::fromUtf8(entry.texts).split(QLatin1Char('|')))
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(entry.group), text)))
                    << QString::fromLatin1(entry.lookup) << QString::fromLatin1(entry.group) << entry.type << text
                    << QString::fromLatin1(entry.expected);
        }
    }

    void keywordTable()
    {
        QFETCH(QString, lookup);
        QFETCH(QString, group);
        QFETCH(int, type);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const auto asked = lookupFor(lookup);
        const K::Group rows = groupNamed(qPrintable(group));
        const qint64 walks = asked->keywords().walksForTests();
        QCOMPARE(answer(*asked, rows, text, type, ranked(qPrintable(lookup))), expected);
        // A text that holds no word of the group walks none of its rows.
        if (!asked->holds(rows, text))
            QCOMPARE(asked->keywords().walksForTests(), walks);
    }

    // Each word of each row of the table (its words, the words that exclude
    // it, its further and context words) is read by some text of the
    // corpus: without it, some text reads otherwise. So a word dropped from
    // the table is a text that reads wrong above.
    void everyWordIsRead()
    {
        const std::vector<K::Row>& rows = K::standardRows();
        const QStringList standard = corpusAnswers(K::standard());
        QStringList unread;
        for (size_t i = 0; i < rows.size(); ++i) {
            for (const char* K::Row::*list : {&K::Row::words, &K::Row::excluded, &K::Row::also, &K::Row::context}) {
                const QStringList words = QString::fromLatin1(rows[i].*list).split(QLatin1Char('|'), Qt::SkipEmptyParts);
                for (int w = 0; w < words.size(); ++w) {
                    QStringList fewer = words;
                    fewer.removeAt(w);
                    const QByteArray kept = fewer.join(QLatin1Char('|')).toLatin1();
                    std::vector<K::Row> changed = rows;
                    changed[i].*list = kept.constData();
                    if (corpusAnswers(SmartKeywords(changed)) == standard)
                        unread << QStringLiteral("row %1 (%2): %3").arg(i).arg(
                            QLatin1String(QMetaEnum::fromType<K::Group>().valueToKey(rows[i].group)), words.at(w));
                }
            }
        }
        QVERIFY2(unread.isEmpty(), qPrintable(unread.join(QStringLiteral("; "))));
    }
};

TESVAR_TEST(SmartMatcherTest)
#include "SmartMatcherTest.moc"
