#pragma once

#include "automation/smart/SmartFieldPass.h"

namespace Vexal {

// The passes of a field lookup that read the kinds from the texts around a
// control and weigh them against the name the site's software gave it: a
// field is filled only on clear evidence; where the evidence is weak or
// contradicts itself, the field is left alone (an empty field costs the user
// one value to type, a wrong one may cost the account).
class SmartFieldEvidence : public SmartFieldPass
{
public:
    using SmartFieldPass::SmartFieldPass;

    // Controls whose id or name gave a kind that their own label names
    // otherwise take the label's kind; those whose own label holds a word
    // that excludes the kind are left alone.
    void weighOwnLabels(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // Gives the controls still without a kind the one their texts name: the
    // parent's texts, the bold labels before them (on a form that sets its
    // labels in bold), any label before them, their own short texts after
    // them, their title or placeholder.
    void lookupKinds(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);

    // Whether the form sets its labels in bold: as many bold texts as
    // controls on a small form, else bold texts for half the controls (marks
    // of punctuation in bold are no labels).
    static bool isBoldMode(const QList<SmartLabel*>& labels);

private:
    int kindFromParent(SmartElement* control);
    // Labels before the control: mode 1 the bold ones, 2 any.
    int kindFromLabels(SmartElement* control, const QList<SmartLabel*>& labels, int mode);
    // Labels after inputs: the control's own short texts after it.
    int kindFromLabelsAfter(SmartElement* control, const QList<SmartLabel*>& labels);
    // A text box's own words: the title it shows as a tip, else the text it
    // shows inside until the user types.
    int kindFromOwnWords(SmartElement* control);
};

} // namespace Vexal
