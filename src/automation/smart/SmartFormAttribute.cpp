#include "automation/smart/SmartFormAttribute.h"

#include "automation/smart/SmartElement.h"

namespace Vexal {

using E = SmartElement;

SmartFormAttribute::SmartFormAttribute(SmartForm form, QObject* parent)
    : SmartAttributeLookup(parent, form)
{
}

int SmartFormAttribute::linkTypeKind(SmartElement* control, const QString& text)
{
    if (control->type() == E::TypeRadio && holds(SmartKeywords::LinkType, text)
        && holds(SmartKeywords::Free, control->value()))
        return E::KindFreeUrl;
    return E::KindUndef;
}

int SmartFormAttribute::stepKind(int step, SmartElement* control, const QString& text)
{
    switch (step) {
    // An article's pen name chooser is not to be filled.
    case StepPenName: return kindOf(SmartKeywords::PenName, text, control->type());
    case StepDescriptionLimit: return descriptionKind(text, control->type());
    case StepLinkType: return linkTypeKind(control, text);
    default: return SmartAttributeLookup::stepKind(step, control, text);
    }
}

int SmartFormAttribute::classifyElement(SmartElement* control)
{
    const QString text = attributeText(control);
    switch (form()) {
    case SmartFormArticle:
        return firstKind({StepCaptcha, StepMessenger, StepCategory, StepTitle, StepTags, StepBio, StepIntro, StepBody,
                          StepTerms, StepNews, StepPenName},
                         control, text);
    case SmartFormDirectory:
        return firstKind({StepCaptcha, StepMessenger, StepCategory, StepTitle, StepTags, StepDescriptionLimit, StepUser,
                          StepMail, StepLinkType, StepTerms, StepNews, StepPassword},
                         control, text);
    case SmartFormRegistration: {
        const int kind = registrationKind(control, text, false);
        return kind != E::KindUndef ? kind : firstKind({StepTerms, StepNews}, control, text);
    }
    case SmartFormSocialBookmark:
        return firstKind({StepCaptcha, StepMessenger, StepTitle, StepTags, StepUrl, StepDescriptionLimit, StepTerms,
                          StepNews, StepPassword},
                         control, text);
    default:
        return E::KindUndef;
    }
}

} // namespace Vexal
