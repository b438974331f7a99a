#include "automation/SmartDirectoryAttribute.h"

#include "automation/ConstSmart.h"
#include "automation/SmartElement.h"

#include <QWebElement>

namespace Vexal {

using E = SmartElement;

SmartDirectoryAttribute::SmartDirectoryAttribute(QObject* parent)
    : SmartAttributeLookup(parent)
{
}

int SmartDirectoryAttribute::ownerKind(const QString& text)
{
    if (hasAny(text, {"name"}) && hasAny(text, {"owner"}))
        return E::KindUser;
    return E::KindUndef;
}

int SmartDirectoryAttribute::linkTypeKind(SmartElement* control, const QString& text)
{
    if (control->type() != E::TypeRadio)
        return E::KindUndef;
    if (hasAny(text, {"type"}) && hasAny(control->value(), {"free"}))
        return E::KindFreeUrl;
    return E::KindUndef;
}

int SmartDirectoryAttribute::classifyElement(SmartElement* control)
{
    const QString text = attributeText(control);
    const int type = control->type();
    if (isCaptcha(text, type))
        return E::KindCaptcha;
    if (isCategory(text, type))
        return E::KindCategory;
    if (isTitle(text, type))
        return E::KindTitle;
    if (isTags(text, type))
        return E::KindTags;
    int kind = descriptionKind(text, type);
    if (kind != E::KindUndef)
        return kind;
    kind = userKind(text, control->element().attribute(ConstSmart::attrTitle()), false, type);
    if (kind != E::KindUndef)
        return kind;
    if (isMail(text, type))
        return E::KindEmail;
    kind = linkTypeKind(control, text);
    if (kind != E::KindUndef)
        return kind;
    if (isTerms(text, type))
        return E::KindTerms;
    if (isNews(text, type))
        return E::KindSpam;
    if (isPassword(text, type))
        return E::KindPassword;
    return E::KindUndef;
}

} // namespace Vexal
