#pragma once

#include "automation/smart/SmartTextLookup.h"

#include <functional>

namespace Vexal {

class SmartElement;
class SmartLabel;

// Base of the field lookups: the matchers of its form, and what the passes
// over a form's controls share in reading the texts around a control (its
// entry in the label list, its own texts and label). The passes stand by
// theme in SmartFieldEvidence (the labels and the weighing of them),
// SmartFieldTicks (check boxes and radios), SmartFieldPeople (names and
// dates) and SmartFieldBoxes (text boxes, lists and the card); a form's
// lookup runs them in their order (SmartFormField::classifyElements).
class SmartFieldLookup : public SmartTextLookup
{
    Q_OBJECT
public:
    explicit SmartFieldLookup(QObject* parent, SmartForm form = SmartFormNone);

    virtual int classify(SmartElement* control, const QString& text);

    // The control's entry in the label list, as SmartLabel::indexOf.
    // The passes go through the controls in document order, so the search
    // starts at the entry found last and wraps around.
    int labelIndex(SmartElement* control, const QList<SmartLabel*>& labels) const;
    // The control's own texts (SmartOwnTexts::ownTexts).
    QList<const SmartLabel*> ownTexts(SmartElement* control, const QList<SmartLabel*>& labels) const;
    // The texts the page shows as the control's own label: LABEL elements
    // naming it and its own label-like texts before and after it.
    QList<const SmartLabel*> ownLabel(SmartElement* control, const QList<SmartLabel*>& labels) const;
    // What a user reads as the control's label: its own label, else the
    // nearest label-like text before it (a label in the row above).
    QList<const SmartLabel*> visibleLabel(SmartElement* control, const QList<SmartLabel*>& labels) const;
    // The words that any of the texts holds.
    SmartKeywords::Hits hitsOf(const QList<const SmartLabel*>& texts) const;
    // The kind the first of the control's own texts gives by the rows of
    // the group; 0 when none does.
    int kindAfter(SmartElement* control, const QList<SmartLabel*>& labels, SmartKeywords::Group group) const;
    // The kind a text names, read strictly: a bare name gives none.
    int labelKind(SmartElement* control, const QString& text);

    // Gives each control of that HTML type still without a kind the kind
    // kindOf finds for it, if any.
    static void markOpen(QList<SmartElement*>& controls, int type, const std::function<int(SmartElement*)>& kindOf);
    // Year, month or day of a birthday.
    static bool isBirthPart(int kind);

protected:
    void writeLog(SmartLog* report) override;

private:
    mutable int m_hint = 0;
};

} // namespace Vexal
