#include "automation/SmartElement.h"

#include "automation/ConstSmart.h"
#include "automation/SmartUtils.h"

namespace Vexal {

SmartElement::SmartElement(QObject* parent)
    : SmartNode(parent)
{
}

int SmartElement::typeOf(const QWebElement& element)
{
    const QString tag = element.tagName();
    const QString t = element.attribute(ConstSmart::attrType());
    if (SmartUtils::equalsNoCase(tag, ConstSmart::tagButton())) {
        if (SmartUtils::equalsNoCase(t, ConstSmart::typeButton()))
            return TypeButton;
        if (SmartUtils::equalsNoCase(t, ConstSmart::typeReset()))
            return TypeReset;
        if (SmartUtils::equalsNoCase(t, ConstSmart::typeSubmit()))
            return TypeSubmit;
        return TypeButton;
    }
    if (SmartUtils::equalsNoCase(tag, ConstSmart::tagInput())) {
        static const struct {
            const QString& (*name)();
            int type;
        } inputs[] = {
            {&ConstSmart::typeButton, TypeButton},     {&ConstSmart::typeCheckBox, TypeCheckBox},
            {&ConstSmart::typeFile, TypeFile},         {&ConstSmart::typeHidden, TypeHidden},
            {&ConstSmart::typeImage, TypeImage},       {&ConstSmart::typePassword, TypePassword},
            {&ConstSmart::typeRadio, TypeRadio},       {&ConstSmart::typeReset, TypeReset},
            {&ConstSmart::typeSubmit, TypeSubmit},
        };
        for (const auto& input : inputs) {
            if (SmartUtils::equalsNoCase(t, input.name()))
                return input.type;
        }
        return TypeText;
    }
    if (SmartUtils::equalsNoCase(tag, ConstSmart::tagSelect()))
        return TypeSelect;
    if (SmartUtils::equalsNoCase(tag, ConstSmart::tagTextArea()))
        return TypeTextArea;
    if (SmartUtils::equalsNoCase(tag, ConstSmart::tagIFrame()))
        return TypeIFrame;
    return TypeUndef;
}

void SmartElement::setElement(const QWebElement& element)
{
    m_element = element;
    m_type = typeOf(element);
}

QString SmartElement::value() const
{
    return m_element.attribute(ConstSmart::attrValue());
}

bool SmartElement::hasIdOrName() const
{
    return !id().isEmpty() || !name().isEmpty();
}

QString SmartElement::toString() const
{
    return elementText();
}

} // namespace Vexal
