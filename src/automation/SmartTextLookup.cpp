#include "automation/SmartTextLookup.h"

#include "automation/ConstSmart.h"
#include "automation/SmartElement.h"
#include "automation/SmartUtils.h"

namespace Vexal {

using E = SmartElement;

SmartTextLookup::SmartTextLookup(QObject* parent, SmartForm form)
    : SmartLookup(parent)
    , m_form(form)
{
}

bool SmartTextLookup::has(const QString& text, const QString& keyword)
{
    return SmartUtils::containsKeyword(text, keyword);
}

bool SmartTextLookup::hasAny(const QString& text, std::initializer_list<const char*> keywords)
{
    for (const char* keyword : keywords) {
        if (SmartUtils::containsKeyword(text, QLatin1String(keyword)))
            return true;
    }
    return false;
}

bool SmartTextLookup::typeIn(int type, std::initializer_list<int> accepted)
{
    for (int a : accepted) {
        if (a == type)
            return true;
    }
    return false;
}

int SmartTextLookup::ruleKind(const QString& text, std::initializer_list<Rule> rules)
{
    for (const Rule& rule : rules) {
        if (SmartUtils::containsKeyword(text, QLatin1String(rule.keyword)))
            return rule.kind;
    }
    return E::KindUndef;
}

bool SmartTextLookup::isCountry(const QString& text, int type)
{
    return type == E::TypeSelect && hasAny(text, {"countr"});
}

bool SmartTextLookup::isTerms(const QString& text, int type)
{
    // "accept_newsletter" is a newsletter box, not the terms.
    return type == E::TypeCheckBox && hasAny(text, {"term", "agree", "accept"}) && !hasAny(text, {"news"});
}

bool SmartTextLookup::isNews(const QString& text, int type)
{
    return type == E::TypeCheckBox && hasAny(text, {"news"});
}

bool SmartTextLookup::isPassword(const QString& text, int type)
{
    return type == E::TypePassword && hasAny(text, {"password"});
}

bool SmartTextLookup::isCaptcha(const QString& text, int type)
{
    // The words sites put next to the code of a picture, and the names their
    // software gives the field.
    if (type != E::TypeText)
        return false;
    // Every word below holds one of these: most labels are ruled out at once.
    const QString lower = text.toLower();
    bool stem = false;
    for (const char* part : {"captcha", "private_key", "code", "verif", "character", "image", "turing"}) {
        if (lower.contains(QLatin1String(part))) {
            stem = true;
            break;
        }
    }
    return stem
        && hasAny(text, {"private_key", "captcha", "confirm code", "confirmation code", "verification code",
                         "verify code", "image verification", "visual verification", "word verification",
                         "human verification", "security code", "securitycode", "seccode", "image code",
                         "imagecode", "imagestring", "imagestamp", "humanverify", "characters you see",
                         "enter the characters", "characters shown", "enter the code", "code shown",
                         "code in the image", "code from the image", "turing"});
}

bool SmartTextLookup::isMail(const QString& text, int type)
{
    return type == E::TypeText && hasAny(text, {"mail"});
}

bool SmartTextLookup::isUrl(const QString& text, int type)
{
    if (type != E::TypeText)
        return false;
    if (hasAny(text, {"url", "website"}))
        return true;
    // "Home phone" and "Home address" are no home page.
    return hasAny(text, {"home"}) && !hasAny(text, {"phone", "address", "fax", "city", "town"});
}

bool SmartTextLookup::isLogin(const QString& text, int type)
{
    if (type != E::TypeText)
        return false;
    // "ID and Email": the login ID, which may also be given as an e-mail.
    if (hasAny(text, {"mail"}))
        return loneId(text);
    return hasAny(text, {"login", "nickname"});
}

bool SmartTextLookup::isTitleType(int type) const
{
    return type == E::TypeText || (m_form == SmartFormArticle && type == E::TypeTextArea);
}

bool SmartTextLookup::isTitle(const QString& text, int type)
{
    return isTitleType(type) && hasAny(text, {"title"});
}

bool SmartTextLookup::isTags(const QString& text, int type)
{
    return isTitleType(type) && hasAny(text, {"tag", "keyword"});
}

bool SmartTextLookup::isDescription(const QString& text, int type)
{
    return typeIn(type, {E::TypeText, E::TypeTextArea}) && hasAny(text, {"description", "desc"});
}

bool SmartTextLookup::isCategory(const QString& text, int type)
{
    return type == E::TypeSelect && hasAny(text, {"categor"});
}

bool SmartTextLookup::isIntro(const QString& text, int type)
{
    return typeIn(type, {E::TypeTextArea, E::TypeIFrame}) && hasAny(text, {"summary", "intro", "excerpt"});
}

bool SmartTextLookup::isBio(const QString& text, int type)
{
    return typeIn(type, {E::TypeTextArea, E::TypeIFrame}) && hasAny(text, {"res", "bio"});
}

bool SmartTextLookup::isBody(const QString& text, int type)
{
    return typeIn(type, {E::TypeTextArea, E::TypeIFrame}) && hasAny(text, {"body"});
}

bool SmartTextLookup::isQuestion(const QString& text, int type)
{
    return type == E::TypeSelect && hasAny(text, {"question"});
}

bool SmartTextLookup::isAnswer(const QString& text, int type)
{
    return type == E::TypeText && hasAny(text, {"answer"});
}

bool SmartTextLookup::isYear(const QString& text, int type)
{
    return type == E::TypeSelect && hasAny(text, {"year"});
}

bool SmartTextLookup::isMonth(const QString& text, int type)
{
    return type == E::TypeSelect && hasAny(text, {"month"});
}

bool SmartTextLookup::isDay(const QString& text, int type)
{
    return type == E::TypeSelect && hasAny(text, {"day"});
}

bool SmartTextLookup::loneId(const QString& text)
{
    for (int at = text.indexOf(QLatin1String("ID")); at >= 0; at = text.indexOf(QLatin1String("ID"), at + 1)) {
        const bool before = at == 0 || !text.at(at - 1).isLetterOrNumber();
        const bool after = at + 2 >= text.size() || !text.at(at + 2).isLetterOrNumber();
        if (before && after)
            return true;
    }
    return false;
}

// The address parts of the form-filling vocabulary: "address-level1" is the
// state or province, "address-level2" the city; neither is a street line.
int SmartTextLookup::addressLevel(const QString& text)
{
    if (!has(text, QStringLiteral("address level")))
        return -1;
    if (has(text, QStringLiteral("address level 1")))
        return E::KindState;
    if (has(text, QStringLiteral("address level 2")))
        return E::KindCity;
    return E::KindUndef;
}

int SmartTextLookup::contactKind(const QString& text, int type)
{
    if (type != E::TypeText)
        return E::KindUndef;
    const int level = addressLevel(text);
    if (level >= 0)
        return level;
    return ruleKind(text, {{"fax", E::KindFax}, {"phone", E::KindPhone}, {"postal", E::KindZipCode},
                           {"zip", E::KindZipCode}, {"state", E::KindState}, {"province", E::KindState},
                           {"city", E::KindCity}});
}

int SmartTextLookup::addressKind(const QString& text, int type)
{
    if (type != E::TypeText || !hasAny(text, {"address"}) || addressLevel(text) >= 0)
        return E::KindUndef;
    if (text.contains(QLatin1Char('1')))
        return E::KindAddress;
    if (text.contains(QLatin1Char('2')))
        return E::KindAddressDetails;
    return E::KindAddress;
}

int SmartTextLookup::userKind(const QString& text, const QString& second, bool fallback, int type)
{
    if (type != E::TypeText)
        return E::KindUndef;
    const int kind = nameKind(text);
    if (kind == E::KindUndef)
        return E::KindUndef;
    if (kind != E::KindUser)
        return kind;
    const int secondKind = nameKind(second);
    if (secondKind != E::KindUndef && secondKind != E::KindUser)
        return secondKind;
    if (!fallback)
        return E::KindUndef;
    return hasAny(text, {"user"}) ? E::KindLogin : E::KindFullName;
}

int SmartTextLookup::nameKind(const QString& text)
{
    if (hasAny(text, {"name"})) {
        const int kind = ruleKind(text, {{"first", E::KindFirstName}, {"middle", E::KindMiddleName},
                                         {"last", E::KindLastName}, {"given", E::KindFirstName},
                                         {"forename", E::KindFirstName}, {"family", E::KindLastName},
                                         {"surname", E::KindLastName}, {"full", E::KindFullName},
                                         {"real", E::KindFullName}, {"screen", E::KindScreenName},
                                         {"display", E::KindScreenName}, {"business", E::KindScreenName}});
        if (kind != E::KindUndef)
            return kind;
        if (hasAny(text, {"your"}) || SmartUtils::letterCount(text) == 4)
            return E::KindUser;
    }
    if (hasAny(text, {"user"})) {
        if (hasAny(text, {"name"}) || text.contains(QLatin1String("ID"), Qt::CaseSensitive)
            || SmartUtils::letterCount(text) == 4)
            return E::KindUser;
    }
    return ownerKind(text);
}

int SmartTextLookup::ownerKind(const QString&)
{
    return E::KindUndef;
}

int SmartTextLookup::genderKind(const QString& text, const QString&, int type)
{
    if (type != E::TypeRadio)
        return E::KindUndef;
    return ruleKind(text, {{"female", E::KindGenderFemale}, {"male", E::KindGenderMale}});
}

bool SmartTextLookup::isMessenger(const QString& text, int type)
{
    if (type != E::TypeText)
        return false;
    // "Yahoo! Mail address" is an e-mail; "Yahoo ID" and "Yahoo Messenger" are not.
    if (hasAny(text, {"yahoo", "yim"}))
        return !hasAny(text, {"mail"}) || hasAny(text, {"messenger"});
    if (hasAny(text, {"messenger", "instant messaging", "aim", "icq", "skype", "jabber", "xmpp", "msn", "gtalk"}))
        return true;
    if (hasAny(text, {"google talk", "hangouts", "windows live", "im handle", "im name", "im id", "irc", "qq", "kik"}))
        return true;
    return hasAny(text, {"whatsapp", "telegram", "wechat", "viber", "discord", "snapchat"})
        || hasAny(text, {"twitter", "facebook", "instagram", "linkedin", "youtube", "tiktok", "pinterest"});
}

int SmartTextLookup::registrationKind(SmartElement* control, const QString& text, bool fallback)
{
    // The code of a picture first: its field may also be called an answer.
    // A messenger handle next, whatever names or addresses its label speaks of.
    return firstKind({StepCaptcha, StepMessenger, fallback ? StepUserOrLogin : StepUser, StepGender, StepYear,
                      StepMonth, StepDay, StepLogin, StepPassword, StepMail, StepUrl, StepQuestion, StepAnswer,
                      StepCountry, StepContact, StepAddress},
                     control, text);
}

int SmartTextLookup::firstKind(std::initializer_list<int> steps, SmartElement* control, const QString& text)
{
    for (int step : steps) {
        const int kind = stepKind(step, control, text);
        if (kind != E::KindUndef)
            return kind;
    }
    return E::KindUndef;
}

int SmartTextLookup::stepKind(int step, SmartElement* control, const QString& text)
{
    const int type = control->type();
    auto kindIf = [](bool matches, int kind) { return matches ? kind : int(E::KindUndef); };
    switch (step) {
    case StepCaptcha: return kindIf(isCaptcha(text, type), E::KindCaptcha);
    case StepCategory: return kindIf(isCategory(text, type), E::KindCategory);
    case StepTitle: return kindIf(isTitle(text, type), E::KindTitle);
    case StepTags: return kindIf(isTags(text, type), E::KindTags);
    case StepBio: return kindIf(isBio(text, type), E::KindBio);
    case StepIntro: return kindIf(isIntro(text, type), E::KindIntro);
    case StepBody: return kindIf(isBody(text, type), E::KindBody);
    case StepUrl: return kindIf(isUrl(text, type), E::KindWebsite);
    case StepDescription: return kindIf(isDescription(text, type), E::KindDescription);
    case StepMail: return kindIf(isMail(text, type), E::KindEmail);
    case StepPassword: return kindIf(isPassword(text, type), E::KindPassword);
    case StepTerms: return kindIf(isTerms(text, type), E::KindTerms);
    case StepNews: return kindIf(isNews(text, type), E::KindSpam);
    case StepLogin: return kindIf(isLogin(text, type), E::KindLogin);
    case StepYear: return kindIf(isYear(text, type), E::KindBirthYear);
    case StepMonth: return kindIf(isMonth(text, type), E::KindBirthMonth);
    case StepDay: return kindIf(isDay(text, type), E::KindBirthDay);
    case StepQuestion: return kindIf(isQuestion(text, type), E::KindQuestion);
    case StepAnswer: return kindIf(isAnswer(text, type), E::KindAnswer);
    case StepCountry: return kindIf(isCountry(text, type), E::KindCountry);
    case StepUser:
    case StepUserOrLogin:
        return userKind(text, control->element().attribute(ConstSmart::attrTitle()), step == StepUserOrLogin, type);
    case StepGender: return genderKind(text, control->value(), type);
    case StepContact: return contactKind(text, type);
    case StepAddress: return addressKind(text, type);
    case StepMessenger: return kindIf(isMessenger(text, type), E::KindTrash);
    default: return E::KindUndef;
    }
}

} // namespace Vexal
