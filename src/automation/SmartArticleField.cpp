#include "automation/SmartArticleField.h"

#include "automation/SmartElement.h"
#include "automation/SmartUtils.h"

namespace Vexal {

using E = SmartElement;

SmartArticleField::SmartArticleField(QObject* parent)
    : SmartFieldLookup(parent)
{
}

bool SmartArticleField::isTitle(const QString& text, int type)
{
    return typeIn(type, {E::TypeText, E::TypeTextArea}) && hasAny(text, {"title"});
}

bool SmartArticleField::isTags(const QString& text, int type)
{
    return typeIn(type, {E::TypeText, E::TypeTextArea}) && hasAny(text, {"tag", "keyword"});
}

bool SmartArticleField::isIntro(const QString& text, int type)
{
    return typeIn(type, {E::TypeTextArea, E::TypeIFrame}) && hasAny(text, {"summary", "intro", "descr", "excerpt"});
}

bool SmartArticleField::isBio(const QString& text, int type)
{
    return typeIn(type, {E::TypeTextArea, E::TypeIFrame}) && hasAny(text, {"resource", "bio", "author"});
}

bool SmartArticleField::isBody(const QString& text, int type)
{
    if (!typeIn(type, {E::TypeTextArea, E::TypeIFrame}))
        return false;
    if (hasAny(text, {"body", "text", "content"}))
        return true;
    return hasAny(text, {"article"}) && SmartUtils::letterCount(text) == 7;
}

bool SmartArticleField::isAuthorSelect(const QString& text, int type)
{
    return type == E::TypeSelect && hasAny(text, {"author"});
}

int SmartArticleField::classify(SmartElement* control, const QString& text)
{
    const int type = control->type();
    if (isCaptcha(text, type))
        return E::KindCaptcha;
    const int kind = articleKind(text, type);
    if (kind != E::KindUndef)
        return kind;
    if (isAuthorSelect(text, type))
        return E::KindTrash;
    return E::KindUndef;
}

void SmartArticleField::classifyElements(QList<SmartElement*>& controls, QList<SmartLabel*>& labels)
{
    clear();
    addElements(controls);
    markCaptcha(controls, labels);
    markTerms(controls, labels);
    markSpam(controls);
    lookupKinds(controls, labels);
}

} // namespace Vexal
