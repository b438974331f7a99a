#include "automation/SmartSocialBookmarkAttribute.h"

#include "automation/SmartElement.h"

namespace Vexal {

using E = SmartElement;

SmartSocialBookmarkAttribute::SmartSocialBookmarkAttribute(QObject* parent)
    : SmartAttributeLookup(parent)
{
}

int SmartSocialBookmarkAttribute::classifyElement(SmartElement* control)
{
    const QString text = attributeText(control);
    const int type = control->type();
    if (isCaptcha(text, type))
        return E::KindCaptcha;
    if (isTitle(text, type))
        return E::KindTitle;
    if (isTags(text, type))
        return E::KindTags;
    if (isUrl(text, type))
        return E::KindWebsite;
    const int kind = descriptionKind(text, type);
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
