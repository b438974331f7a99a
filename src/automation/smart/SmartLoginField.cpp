#include "automation/smart/SmartLoginField.h"

#include "automation/smart/SmartAttributeLookup.h"
#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartFieldBoxes.h"

namespace Vexal {

using E = SmartElement;

SmartLoginField::SmartLoginField(QObject* parent)
    : SmartFieldLookup(parent)
{
}

int SmartLoginField::classify(SmartElement* control, const QString& text)
{
    return asksPictureCode(control, text) ? int(E::KindCaptcha) : int(E::KindUndef);
}

void SmartLoginField::markCaptcha(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    const SmartFieldBoxes boxes(*this);
    for (SmartElement* control : controls) {
        if (control->type() != E::TypeText)
            continue;
        if (asksPictureCode(control, attributeText(control)) || classAsksPictureCode(control)
            || boxes.asksForCode(control, labels))
            control->setKind(E::KindCaptcha);
    }
}

} // namespace Vexal
