#include "automation/SmartRegistrationField.h"

namespace Vexal {

SmartRegistrationField::SmartRegistrationField(QObject* parent)
    : SmartFieldLookup(parent)
{
}

int SmartRegistrationField::classify(SmartElement* control, const QString& text)
{
    return registrationKind(control, text, true);
}

void SmartRegistrationField::classifyElements(QList<SmartElement*>& controls, QList<SmartLabel*>& labels)
{
    clear();
    addElements(controls);
    markCaptcha(controls, labels);
    markTerms(controls, labels);
    markSpam(controls);
    markGender(controls, labels);
    markBirth(controls);
    lookupKinds(controls, labels);
}

} // namespace Vexal
