#include "automation/smart/SmartElement.h"

#include "automation/smart/ConstSmart.h"
#include "automation/smart/SmartUtils.h"

#include <initializer_list>

namespace Vexal {

SmartElement::SmartElement(QObject* parent)
    : SmartNode(parent)
{
}

namespace {

struct TypeName {
    const QString& (*name)();
    int type;
};

// The type of the first name the value equals, ignoring case.
int typeNamed(const QString& value, std::initializer_list<TypeName> names, int otherwise)
{
    for (const TypeName& entry : names) {
        if (SmartUtils::equalsNoCase(value, entry.name()))
            return entry.type;
    }
    return otherwise;
}

} // namespace

int SmartElement::typeOf(const PageElement& element)
{
    return typeOf(element.tagName(), element.attribute(ConstSmart::attrType()));
}

int SmartElement::typeOf(const QString& tag, const QString& t)
{
    if (SmartUtils::equalsNoCase(tag, ConstSmart::tagButton())) {
        return typeNamed(t,
                         {{&ConstSmart::typeButton, TypeButton},
                          {&ConstSmart::typeReset, TypeReset},
                          {&ConstSmart::typeSubmit, TypeSubmit}},
                         TypeButton);
    }
    if (SmartUtils::equalsNoCase(tag, ConstSmart::tagInput())) {
        return typeNamed(t,
                         {{&ConstSmart::typeButton, TypeButton},     {&ConstSmart::typeCheckBox, TypeCheckBox},
                          {&ConstSmart::typeFile, TypeFile},         {&ConstSmart::typeHidden, TypeHidden},
                          {&ConstSmart::typeImage, TypeImage},       {&ConstSmart::typePassword, TypePassword},
                          {&ConstSmart::typeRadio, TypeRadio},       {&ConstSmart::typeReset, TypeReset},
                          {&ConstSmart::typeSubmit, TypeSubmit}},
                         TypeText);
    }
    return typeNamed(tag,
                     {{&ConstSmart::tagSelect, TypeSelect},
                      {&ConstSmart::tagTextArea, TypeTextArea},
                      {&ConstSmart::tagIFrame, TypeIFrame}},
                     TypeUndef);
}

void SmartElement::setElement(const PageElement& element)
{
    setNodeElement(element);
    m_typeDeclared = element.attribute(ConstSmart::attrType());
    m_type = typeOf(element.tagName(), m_typeDeclared);
    m_read = 0;
}

const QString& SmartElement::once(Attribute attribute) const
{
    if (!(m_read & (1u << attribute))) {
        static const QString names[AttributeCount] = {QStringLiteral("autocomplete"), ConstSmart::attrTitle(),
                                                      QStringLiteral("placeholder"), QStringLiteral("aria-label")};
        m_read |= 1u << attribute;
        m_attributes[attribute] = m_element.attribute(names[attribute]);
    }
    return m_attributes[attribute];
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

bool SmartElement::isDecoration(const PageElement& element)
{
    if (element.hasAttribute(ConstSmart::attrName()) || typeOf(element) != TypeText)
        return false;
    const QString role = element.attribute(QStringLiteral("role")).trimmed();
    return element.hasAttribute(QStringLiteral("readonly")) || element.hasAttribute(QStringLiteral("disabled"))
        || SmartUtils::equalsNoCase(role, QStringLiteral("presentation"))
        || SmartUtils::equalsNoCase(role, QStringLiteral("none"));
}

namespace {

// The words of a text, case folded: "What is it?*" gives "what is it".
QString wordsOf(const QString& text)
{
    QString words;
    for (const QChar c : text) {
        if (c.isLetterOrNumber())
            words += c.toCaseFolded();
        else if (!words.isEmpty() && !words.endsWith(QLatin1Char(' ')))
            words += QLatin1Char(' ');
    }
    return words.trimmed();
}

} // namespace

bool SmartElement::asks(const QString& question) const
{
    const QString own = wordsOf(m_question);
    return !own.isEmpty() && own == wordsOf(question);
}

bool SmartElement::takesLines() const
{
    // A text area shows two rows unless it says otherwise.
    return m_type == TypeTextArea && m_element.attribute(QStringLiteral("rows")).trimmed() != QLatin1String("1");
}

bool SmartElement::containsKind(const QList<SmartElement*>& list, int kind)
{
    for (const SmartElement* element : list) {
        if (element->kind() == kind)
            return true;
    }
    return false;
}

QList<SmartElement*> SmartElement::elementsOfKind(const QList<SmartElement*>& list, int kind)
{
    QList<SmartElement*> result;
    for (SmartElement* element : list) {
        if (element->kind() == kind)
            result.append(element);
    }
    return result;
}

} // namespace Vexal
