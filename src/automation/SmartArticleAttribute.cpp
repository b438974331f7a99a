#include "automation/SmartArticleAttribute.h"

#include "automation/SmartElement.h"

namespace Vexal {

using E = SmartElement;

SmartArticleAttribute::SmartArticleAttribute(QObject* parent)
    : SmartAttributeLookup(parent)
{
}

bool SmartArticleAttribute::isTitle(const QString& text, int type)
{
    return typeIn(type, {E::TypeText, E::TypeTextArea}) && hasAny(text, {"title"});
}

bool SmartArticleAttribute::isTags(const QString& text, int type)
{
    return typeIn(type, {E::TypeText, E::TypeTextArea}) && hasAny(text, {"tag", "keyword"});
}

bool SmartArticleAttribute::isPenName(const QString& text, int type)
{
    return type == E::TypeSelect && hasAny(text, {"penname"});
}

int SmartArticleAttribute::classifyElement(SmartElement* control)
{
    const QString text = attributeText(control);
    const int type = control->type();
    if (isCaptcha(text, type))
        return E::KindCaptcha;
    const int kind = articleKind(text, type);
    if (kind != E::KindUndef)
        return kind;
    if (isTerms(text, type))
        return E::KindTerms;
    if (isNews(text, type))
        return E::KindSpam;
    if (isPenName(text, type))
        return E::KindTrash;
    return E::KindUndef;
}

} // namespace Vexal
