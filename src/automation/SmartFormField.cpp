#include "automation/SmartFormField.h"

#include "automation/SmartElement.h"
#include "automation/SmartUtils.h"

namespace Vexal {

using E = SmartElement;

SmartFormField::SmartFormField(SmartForm form, QObject* parent)
    : SmartFieldLookup(parent, form)
{
}

int SmartFormField::websiteKind(const QString& text, int type)
{
    if (!isUrl(text, type))
        return E::KindUndef;
    return holds(SmartKeywords::Reciprocal, text) ? int(E::KindTrash) : int(E::KindWebsite);
}

int SmartFormField::linkKindAfter(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    return kindAfter(control, labels, SmartKeywords::LinkAfter);
}

void SmartFormField::classifyLinkRadios(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    markOpen(controls, E::TypeRadio, [&](SmartElement* control) { return linkKindAfter(control, labels); });
}

int SmartFormField::stepKind(int step, SmartElement* control, const QString& text)
{
    switch (step) {
    // An article's author chooser is not to be filled.
    case StepAuthorSelect: return kindOf(SmartKeywords::AuthorSelect, text, control->type());
    case StepWebsite: return websiteKind(text, control->type());
    case StepOwner: {
        // A directory entry is submitted by a person, not an account.
        const int kind = SmartFieldLookup::stepKind(StepUserOrLogin, control, text);
        return kind == E::KindLogin ? int(E::KindFullName) : kind;
    }
    default: return SmartFieldLookup::stepKind(step, control, text);
    }
}

int SmartFormField::classify(SmartElement* control, const QString& text)
{
    switch (form()) {
    case SmartFormArticle:
        return firstKind({StepCaptcha, StepMessenger, StepCategory, StepTitle, StepTags, StepBio, StepIntro, StepBody,
                          StepAuthorSelect},
                         control, text);
    case SmartFormDirectory:
        return firstKind({StepCaptcha, StepMessenger, StepCategory, StepTitle, StepTags, StepWebsite, StepDescription,
                          StepOwner, StepMail, StepPassword},
                         control, text);
    case SmartFormRegistration:
        return registrationKind(control, text, true);
    case SmartFormSocialBookmark:
        return firstKind({StepCaptcha, StepMessenger, StepTitle, StepTags, StepUrl, StepDescription, StepPassword},
                         control, text);
    default:
        return E::KindUndef;
    }
}

void SmartFormField::classifyElements(QList<SmartElement*>& controls, QList<SmartLabel*>& labels)
{
    clear();
    addElements(controls);
    markLocalParts(controls, labels);
    markCaptcha(controls, labels);
    weighOwnLabels(controls, labels);
    markCategoryLists(controls, labels);
    markTerms(controls, labels);
    markSpam(controls);
    if (form() == SmartFormDirectory)
        classifyLinkRadios(controls, labels);
    if (form() == SmartFormRegistration) {
        markGender(controls, labels);
        markBirth(controls);
        markNameParts(controls, labels);
    }
    lookupKinds(controls, labels);
    if (form() == SmartFormRegistration) {
        confirmBirth(controls, labels);
        markServiceLogin(controls, labels);
        markNameBesideSurname(controls, labels);
        markCountryLists(controls);
    }
    markSplitBoxes(controls, labels);
    markSingleCharacters(controls);
    markPasswordBoxes(controls, labels);
    markCardBlock(controls, labels);
    if (form() == SmartFormRegistration)
        markRepeats(controls, labels);
}

} // namespace Vexal
