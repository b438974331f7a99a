#include "automation/smart/SmartAttributeLookup.h"

#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartLog.h"
#include "automation/smart/SmartUtils.h"

namespace Vexal {

using E = SmartElement;

SmartAttributeLookup::SmartAttributeLookup(QObject* parent, SmartForm form)
    : SmartTextLookup(parent, form, SmartKeywords::Attributes)
{
}

int SmartAttributeLookup::genderKind(const QString& text, const QString& second, int type)
{
    if (type == E::TypeSelect)
        return kindOf(SmartKeywords::Gender, text, type);
    if (type != E::TypeRadio)
        return E::KindUndef;
    if (holds(SmartKeywords::GenderName, text)) {
        if (SmartUtils::equalsNoCase(second, QStringLiteral("f")))
            return E::KindGenderFemale;
        if (SmartUtils::equalsNoCase(second, QStringLiteral("m")))
            return E::KindGenderMale;
    }
    return kindOf(SmartKeywords::Gender, text, type);
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
    return kindOf(SmartKeywords::DescriptionLimit, text, type);
}

void SmartAttributeLookup::writeLog(SmartLog* report)
{
    report->writeKindSection(m_elements, QStringLiteral("Elements"));
}

} // namespace Vexal
