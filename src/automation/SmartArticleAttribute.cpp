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
    if (isCategory(text, type))
        return E::KindCategory;
    if (isTitle(text, type))
        return E::KindTitle;
    if (isTags(text, type))
        return E::KindTags;
    if (isBio(text, type))
        return E::KindBio;
    if (isIntro(text, type))
        return E::KindIntro;
    if (isBody(text, type))
        return E::KindBody;
    if (isCaptcha(text, type))
        return E::KindCaptcha;
    if (isTerms(text, type))
        return E::KindTerms;
    if (isNews(text, type))
        return E::KindSpam;
    if (isPenName(text, type))
        return E::KindTrash;
    return E::KindUndef;
}

void SmartArticleAttribute::classifyElements(QList<SmartElement*>& controls)
{
    clear();
    addElements(controls);
    for (SmartElement* control : controls)
        control->setKind(classifyElement(control));
}

} // namespace Vexal
