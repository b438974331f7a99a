#include "automation/smart/SmartFormField.h"

#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartFieldBoxes.h"
#include "automation/smart/SmartFieldContent.h"
#include "automation/smart/SmartFieldDeclared.h"
#include "automation/smart/SmartFieldEvidence.h"
#include "automation/smart/SmartFieldPeople.h"
#include "automation/smart/SmartFieldTicks.h"
#include "automation/smart/SmartLabelShape.h"
#include "automation/smart/SmartUtils.h"

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
    // A hint in a label describes the answer ("Nickname (e.g. your first
    // name)"): it is read only where the caption gives nothing and names no
    // other thing ("Other names (such as a nickname)").
    if (text.contains(QLatin1Char('(')) || holds(SmartKeywords::Hint, text)) {
        const QString caption = SmartLabelShape::captionPart(text);
        if (caption.size() < text.size()) {
            const int kind = classifyCaption(control, caption);
            return kind != E::KindUndef || keywords().namesOther(hits(caption))
                ? kind
                : classifyCaption(control, text.mid(caption.size()));
        }
    }
    return classifyCaption(control, text);
}

int SmartFormField::classifyCaption(SmartElement* control, const QString& text)
{
    // A word of another thing in the control's id or name ("passwordHint",
    // "addressNickname") keeps the kinds that cost most away, whatever its
    // label says.
    const int kind = kindByForm(control, text);
    if (keywords().namesOtherFor(kind, hits(attributeText(control))))
        return E::KindTrash;
    return kind;
}

int SmartFormField::kindByForm(SmartElement* control, const QString& text)
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
    // The passes, by theme, in the order they run.
    SmartFieldEvidence evidence(*this);
    SmartFieldTicks ticks(*this);
    SmartFieldPeople people(*this);
    SmartFieldBoxes boxes(*this);
    SmartFieldContent content(*this);
    const bool registration = form() == SmartFormRegistration;
    boxes.markLocalParts(controls, labels);
    boxes.markCaptcha(controls, labels);
    evidence.weighOwnLabels(controls, labels);
    if (!registration)
        content.markEditorFrames(controls, labels);
    ticks.markCategoryLists(controls, labels);
    ticks.markTerms(controls, labels);
    ticks.markKeptAsIs(controls, labels);
    ticks.markSpam(controls);
    if (registration)
        ticks.markUnreadAgreements(controls, labels);
    if (form() == SmartFormDirectory)
        classifyLinkRadios(controls, labels);
    if (registration) {
        ticks.markGender(controls, labels);
        people.markBirth(controls);
        people.markNameParts(controls, labels);
    }
    evidence.lookupKinds(controls, labels);
    if (form() == SmartFormArticle)
        SmartFieldContent::markOneEditorBody(controls);
    if (registration) {
        people.confirmBirth(controls, labels);
        people.markBirthByGroup(controls, labels);
        SmartFieldDeclared(*this).markDeclared(controls, labels);
        boxes.markServiceLogin(controls, labels);
        boxes.markLoginByName(controls, labels);
        people.markNameBesideSurname(controls, labels);
        boxes.markCountryLists(controls, labels);
    }
    if (registration)
        boxes.markOwnQuestions(controls, labels);
    boxes.markHumanChecks(controls, labels);
    boxes.markSplitBoxes(controls, labels);
    boxes.markSingleCharacters(controls);
    boxes.markPasswordBoxes(controls, labels);
    boxes.markCardBlock(controls, labels);
    if (registration) {
        boxes.markAddressLines(controls, labels);
        people.markRepeats(controls, labels);
    } else {
        content.markTagSeparators(controls, labels);
        content.markSchemes(controls, labels);
    }
}

} // namespace Vexal
