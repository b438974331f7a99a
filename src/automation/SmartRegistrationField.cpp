#include "automation/SmartRegistrationField.h"

#include "automation/ConstSmart.h"
#include "automation/SmartElement.h"

#include <QWebElement>

namespace Vexal {

using E = SmartElement;

SmartRegistrationField::SmartRegistrationField(QObject* parent)
    : SmartFieldLookup(parent)
{
}

int SmartRegistrationField::classify(SmartElement* control, const QString& text)
{
    const int type = control->type();
    int kind = userKind(text, control->element().attribute(ConstSmart::attrTitle()), true, type);
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

void SmartRegistrationField::classifyElements(QList<SmartElement*>& controls, QList<SmartLabel*>& labels)
{
    clear();
    addElements(controls);
    markTerms(controls, labels);
    markSpam(controls);
    markGender(controls, labels);
    markBirth(controls);
    lookupKinds(controls, labels);
}

} // namespace Vexal
