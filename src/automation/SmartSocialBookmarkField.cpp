#include "automation/SmartSocialBookmarkField.h"

#include "automation/SmartElement.h"

namespace Vexal {

using E = SmartElement;

SmartSocialBookmarkField::SmartSocialBookmarkField(QObject* parent)
    : SmartFieldLookup(parent)
{
}

bool SmartSocialBookmarkField::isDescription(const QString& text, int type)
{
    return typeIn(type, {E::TypeText, E::TypeTextArea})
        && hasAny(text, {"description", "desc", "comment", "notes"});
}

int SmartSocialBookmarkField::classify(SmartElement* control, const QString& text)
{
    const int type = control->type();
    if (isCaptcha(text, type))
        return E::KindCaptcha;
    if (isTitle(text, type))
        return E::KindTitle;
    if (isTags(text, type))
        return E::KindTags;
    if (isUrl(text, type))
        return E::KindWebsite;
    if (isDescription(text, type))
        return E::KindDescription;
    if (isPassword(text, type))
        return E::KindPassword;
    return E::KindUndef;
}

void SmartSocialBookmarkField::classifyElements(QList<SmartElement*>& controls, QList<SmartLabel*>& labels)
{
    clear();
    addElements(controls);
    markCaptcha(controls, labels);
    markTerms(controls, labels);
    markSpam(controls);
    lookupKinds(controls, labels);
}

} // namespace Vexal
