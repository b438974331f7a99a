#include "automation/smart/SmartLabelSteps.h"

#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartLabel.h"
#include "automation/smart/SmartUtils.h"

namespace Vexal {

namespace SmartLabelSteps {

int previousControl(const QList<SmartLabel*>& labels, int index)
{
    int previous = index - 1;
    while (previous >= 0 && labels.at(previous)->isText())
        --previous;
    return previous;
}

int afterEnd(const QList<SmartLabel*>& labels, int index)
{
    int end = index + 1;
    while (end < labels.size() && labels.at(end)->isText())
        ++end;
    return end;
}

bool onlySeparatorsBetween(const QList<SmartLabel*>& labels, int from, int to)
{
    if (from < 0 || to <= from)
        return false;
    for (int j = from + 1; j < to; ++j) {
        if (!labels.at(j)->isText() || SmartUtils::hasLetter(labels.at(j)->text()))
            return false;
    }
    return true;
}

bool takesValue(const SmartLabel* entry)
{
    if (entry->isText())
        return false;
    const int type = SmartElement::typeOf(entry->element());
    return type == SmartElement::TypeText || type == SmartElement::TypePassword || type == SmartElement::TypeSelect
        || type == SmartElement::TypeTextArea;
}

} // namespace SmartLabelSteps

} // namespace Vexal
