#include "automation/SmartRegistrationAttribute.h"

#include "automation/ConstSmart.h"
#include "automation/SmartElement.h"

#include <QWebElement>

namespace Vexal {

using E = SmartElement;

SmartRegistrationAttribute::SmartRegistrationAttribute(QObject* parent)
    : SmartAttributeLookup(parent)
{
}

int SmartRegistrationAttribute::classifyElement(SmartElement* control)
{
    const QString text = attributeText(control);
    const int type = control->type();
    int kind = userKind(text, control->element().attribute(ConstSmart::attrTitle()), false, type);
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
    if (isTerms(text, type))
        return E::KindTerms;
    if (isNews(text, type))
        return E::KindSpam;
    return E::KindUndef;
}

void SmartRegistrationAttribute::classifyElements(QList<SmartElement*>& controls)
{
    clear();
    addElements(controls);
    for (SmartElement* control : controls)
        control->setKind(classifyElement(control));
}

} // namespace Vexal
