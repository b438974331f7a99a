#include "automation/SmartRegistrationAttribute.h"

#include "automation/SmartElement.h"

namespace Vexal {

using E = SmartElement;

SmartRegistrationAttribute::SmartRegistrationAttribute(QObject* parent)
    : SmartAttributeLookup(parent)
{
}

int SmartRegistrationAttribute::classifyElement(SmartElement* control)
{
    const QString text = attributeText(control);
    const int kind = registrationKind(control, text, false);
    if (kind != E::KindUndef)
        return kind;
    const int type = control->type();
    if (isTerms(text, type))
        return E::KindTerms;
    if (isNews(text, type))
        return E::KindSpam;
    return E::KindUndef;
}

} // namespace Vexal
