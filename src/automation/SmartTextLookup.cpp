#include "automation/SmartTextLookup.h"

#include "automation/ConstSmart.h"
#include "automation/SmartElement.h"
#include "automation/SmartUtils.h"

#include <QWebElement>

namespace Vexal {

using E = SmartElement;

SmartTextLookup::SmartTextLookup(QObject* parent)
    : SmartLookup(parent)
{
}

bool SmartTextLookup::has(const QString& text, const QString& keyword)
{
    return text.contains(keyword, Qt::CaseInsensitive);
}

bool SmartTextLookup::hasAny(const QString& text, std::initializer_list<const char*> keywords)
{
    for (const char* keyword : keywords) {
        if (text.contains(QLatin1String(keyword), Qt::CaseInsensitive))
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

bool SmartTextLookup::isCountry(const QString& text, int type)
{
    return type == E::TypeSelect && hasAny(text, {"countr"});
}

bool SmartTextLookup::isTerms(const QString& text, int type)
{
    return type == E::TypeCheckBox && hasAny(text, {"term", "agree", "accept"});
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
    return type == E::TypeText && hasAny(text, {"private_key", "captcha"});
}

bool SmartTextLookup::isMail(const QString& text, int type)
{
    return type == E::TypeText && hasAny(text, {"mail"});
}

bool SmartTextLookup::isUrl(const QString& text, int type)
{
    return type == E::TypeText && hasAny(text, {"url", "website", "home"});
}

bool SmartTextLookup::isLogin(const QString& text, int type)
{
    if (type != E::TypeText || hasAny(text, {"mail"}))
        return false;
    return hasAny(text, {"login", "nickname"});
}

bool SmartTextLookup::isTitle(const QString& text, int type)
{
    return type == E::TypeText && hasAny(text, {"title"});
}

bool SmartTextLookup::isTags(const QString& text, int type)
{
    return type == E::TypeText && hasAny(text, {"tag", "keyword"});
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
    return typeIn(type, {E::TypeTextArea, E::TypeIFrame}) && hasAny(text, {"summary", "intro"});
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

int SmartTextLookup::contactKind(const QString& text, int type)
{
    if (type != E::TypeText)
        return E::KindUndef;
    if (hasAny(text, {"fax"}))
        return E::KindFax;
    if (hasAny(text, {"phone"}))
        return E::KindPhone;
    if (hasAny(text, {"postal", "zip"}))
        return E::KindZipCode;
    if (hasAny(text, {"state", "province"}))
        return E::KindState;
    if (hasAny(text, {"city"}))
        return E::KindCity;
    return E::KindUndef;
}

int SmartTextLookup::addressKind(const QString& text, int type)
{
    if (type != E::TypeText || !hasAny(text, {"address"}))
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
        if (hasAny(text, {"first"}))
            return E::KindFirstName;
        if (hasAny(text, {"middle"}))
            return E::KindMiddleName;
        if (hasAny(text, {"last"}))
            return E::KindLastName;
        if (hasAny(text, {"full", "real"}))
            return E::KindFullName;
        if (hasAny(text, {"screen", "display", "business"}))
            return E::KindScreenName;
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
    if (hasAny(text, {"female"}))
        return E::KindGenderFemale;
    if (hasAny(text, {"male"}))
        return E::KindGenderMale;
    return E::KindUndef;
}

int SmartTextLookup::registrationKind(SmartElement* control, const QString& text, bool fallback)
{
    const int type = control->type();
    int kind = userKind(text, control->element().attribute(ConstSmart::attrTitle()), fallback, type);
    if (kind != E::KindUndef)
        return kind;
    kind = genderKind(text, control->value(), type);
    if (kind != E::KindUndef)
        return kind;
    if (isYear(text, type))
        return E::KindBirthYear;
    if (isMonth(text, type))
        return E::KindBirthMonth;
    if (isDay(text, type))
        return E::KindBirthDay;
    if (isLogin(text, type))
        return E::KindLogin;
    if (isPassword(text, type))
        return E::KindPassword;
    if (isMail(text, type))
        return E::KindEmail;
    if (isUrl(text, type))
        return E::KindWebsite;
    if (isQuestion(text, type))
        return E::KindQuestion;
    if (isAnswer(text, type))
        return E::KindAnswer;
    if (isCountry(text, type))
        return E::KindCountry;
    kind = contactKind(text, type);
    if (kind != E::KindUndef)
        return kind;
    kind = addressKind(text, type);
    if (kind != E::KindUndef)
        return kind;
    if (isCaptcha(text, type))
        return E::KindCaptcha;
    return E::KindUndef;
}

int SmartTextLookup::articleKind(const QString& text, int type)
{
    if (isCategory(text, type))
        return E::KindCategory;
    if (isTitle(text, type))
        return E::KindTitle;
    if (isTags(text, type))
        return E::KindTags;
    if (isBio(text, type))
        return E::KindBio;
    if (isIntro(text, type))
        return E::KindIntro;
    if (isBody(text, type))
        return E::KindBody;
    return E::KindUndef;
}

} // namespace Vexal
