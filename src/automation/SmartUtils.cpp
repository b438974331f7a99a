#include "automation/SmartUtils.h"

#include "automation/ConstSmart.h"
#include "automation/SmartElement.h"
#include "automation/SmartLabel.h"

namespace Vexal {

bool SmartUtils::isControl(const QWebElement& element)
{
    const QString tag = element.tagName();
    return equalsNoCase(tag, ConstSmart::tagInput()) || equalsNoCase(tag, ConstSmart::tagTextArea())
        || equalsNoCase(tag, ConstSmart::tagSelect()) || equalsNoCase(tag, ConstSmart::tagButton())
        || equalsNoCase(tag, ConstSmart::tagIFrame());
}

bool SmartUtils::isHidden(const QWebElement& element)
{
    if (equalsNoCase(element.attribute(ConstSmart::attrType()), ConstSmart::typeHidden()))
        return true;
    return equalsNoCase(element.styleProperty(ConstSmart::cssVisibility(), QWebElement::CascadedStyle),
                        ConstSmart::cssHidden());
}

bool SmartUtils::isDisplayNone(const QWebElement& element, bool inherited)
{
    if (inherited)
        return true;
    return equalsNoCase(element.styleProperty(ConstSmart::cssDisplay(), QWebElement::CascadedStyle),
                        ConstSmart::cssNone());
}

bool SmartUtils::equalsNoCase(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

int SmartUtils::letterCount(const QString& text)
{
    int count = 0;
    for (const QChar c : text) {
        if (c.isLetter())
            ++count;
    }
    return count;
}

bool SmartUtils::containsKind(const QList<SmartElement*>& list, int kind)
{
    for (const SmartElement* element : list) {
        if (element->kind() == kind)
            return true;
    }
    return false;
}

QList<SmartElement*> SmartUtils::elementsOfKind(const QList<SmartElement*>& list, int kind)
{
    QList<SmartElement*> result;
    for (SmartElement* element : list) {
        if (element->kind() == kind)
            result.append(element);
    }
    return result;
}

int SmartUtils::indexOfLabel(const QList<SmartLabel*>& labels, const QWebElement& element)
{
    for (int i = 0; i < labels.size(); ++i) {
        if (!labels.at(i)->isText() && labels.at(i)->element() == element)
            return i;
    }
    return -1;
}

} // namespace Vexal
