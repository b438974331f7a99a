#include "automation/SmartAttributeLookup.h"

#include "automation/SmartElement.h"
#include "automation/SmartLog.h"
#include "automation/SmartUtils.h"

namespace Vexal {

using E = SmartElement;

SmartAttributeLookup::SmartAttributeLookup(QObject* parent, SmartForm form)
    : SmartTextLookup(parent, form)
{
}

bool SmartAttributeLookup::isPassword(const QString& text, int type)
{
    return type == E::TypePassword && hasAny(text, {"pass", "pswd"});
}

int SmartAttributeLookup::genderKind(const QString& text, const QString& second, int type)
{
    if (type == E::TypeSelect)
        return hasAny(text, {"gender", "sex"}) ? int(E::KindGenderCombo) : int(E::KindUndef);
    if (type != E::TypeRadio)
        return E::KindUndef;
    if (hasAny(text, {"gender"})) {
        if (SmartUtils::equalsNoCase(second, QStringLiteral("f")))
            return E::KindGenderFemale;
        if (SmartUtils::equalsNoCase(second, QStringLiteral("m")))
            return E::KindGenderMale;
    }
    return ruleKind(text, {{"female", E::KindGenderFemale}, {"male", E::KindGenderMale}});
}

int SmartAttributeLookup::classifyElement(SmartElement*)
{
    return E::KindUndef;
}

void SmartAttributeLookup::classifyElements(QList<SmartElement*>& controls)
{
    clear();
    addElements(controls);
    for (SmartElement* control : controls)
        control->setKind(classifyElement(control));
}

int SmartAttributeLookup::descriptionKind(const QString& text, int type)
{
    if (!typeIn(type, {E::TypeText, E::TypeTextArea}) || !hasAny(text, {"description", "desc"}))
        return E::KindUndef;
    return hasAny(text, {"limit"}) ? int(E::KindTrash) : int(E::KindDescription);
}

QString SmartAttributeLookup::attributeText(const SmartElement* control)
{
    return QStringLiteral("%1 %2").arg(control->id(), control->name());
}

void SmartAttributeLookup::writeLog(SmartLog* report)
{
    report->writeKindSection(m_elements, QStringLiteral("Elements"));
}

} // namespace Vexal
