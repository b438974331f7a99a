#pragma once

#include "automation/SmartTextLookup.h"
#include "shell/PageDom.h"

#include <functional>
#include <initializer_list>

namespace Vexal {

class SmartElement;
class SmartLabel;

// Base of the field lookups: gives kinds from the texts around a control
// (runs after a check box or radio, a select's first option, the parent's
// texts, and the label entries before the control).
class SmartFieldLookup : public SmartTextLookup
{
    Q_OBJECT
public:
    explicit SmartFieldLookup(QObject* parent, SmartForm form = SmartFormNone);

    bool isCountry(const QString& text, int type) override;
    bool isPassword(const QString& text, int type) override;
    virtual int classify(SmartElement* control, const QString& text);

    // Text fields whose texts ask for the code of a picture become 28
    // Captcha, also when their id or name made them a security answer.
    void markCaptcha(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // Whether the texts before the control (but not another control's
    // sub-labels) or its own texts after it ask for the code of a picture.
    bool asksForCode(SmartElement* control, const QList<SmartLabel*>& labels);
    // Check boxes in a list of categories or topics (by the boxes' names,
    // the list's container or fieldset, or its heading) become 32
    // Category, also those the attribute pass took for news: they are no
    // offers to decline.
    void markCategoryLists(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // The list of check boxes the box is one of: the smallest element
    // around it that holds another check box and no other control; null
    // when there is none.
    static PageElement boxList(const PageElement& box);
    static bool inCategoryList(SmartElement* control, const QList<SmartLabel*>& labels);
    void markTerms(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    void markSpam(QList<SmartElement*>& controls);
    void markGender(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    void markBirth(QList<SmartElement*>& controls);
    // Text fields whose own texts (a label of their own, a sub-label under
    // them) name a part of a name get that part, before the label of their
    // row ("Name") makes the first a full name. A bare part ("First",
    // "Given", "Last", "Family") counts where a neighbouring field names
    // another part.
    void markNameParts(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // 1 First, 2 Middle or 3 Last Name for a text that is a part of a name
    // alone or with "name" ("Given", "Last name", "Surname"); bare tells
    // whether it lacks "name". 0 for any other text.
    static int namePart(const QString& text, bool* bare);
    void lookupKinds(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);

    int termsAfter(SmartElement* control, const QList<SmartLabel*>& labels) const;
    int genderAfter(SmartElement* control, const QList<SmartLabel*>& labels) const;
    // How surely a terms box is one: 4 its id or name says terms, 3 its own
    // label does, 2 its id or name agrees or accepts, 1 its label does.
    int termsRank(SmartElement* control, const QList<SmartLabel*>& labels) const;
    static int birthKind(SmartElement* control);
    int kindFromParent(SmartElement* control);
    int kindFromLabels(SmartElement* control, const QList<SmartLabel*>& labels, int mode);
    static bool isBoldMode(const QList<SmartLabel*>& labels);

protected:
    void writeLog(SmartLog* report) override;

    // Gives each control of that HTML type still without a kind the kind
    // kindOf finds for it, if any.
    static void markOpen(QList<SmartElement*>& controls, int type, const std::function<int(SmartElement*)>& kindOf);

    // The first rule whose keyword one of the text entries after the
    // control holds; 0 at the next control entry or the end of the list.
    int kindAfter(SmartElement* control, const QList<SmartLabel*>& labels,
                  std::initializer_list<Rule> rules) const;

    // The texts that are the control's own label: first those after it, then
    // those before it, within the stretch between its neighbouring controls.
    // A text is the control's own when a LABEL names the control, or it lies
    // in the control's own container (the largest element around the control
    // that holds no other control), or, with no such container, it runs next
    // to the control in the same parent. Reading stops at the first text that
    // is not.
    QList<const SmartLabel*> ownTexts(SmartElement* control, const QList<SmartLabel*>& labels) const;
    // The label of the form's first control (its entry at index), nearest
    // text first: the texts before it that are its own (a LABEL for it, a
    // text in its own container, or, when its parent holds other controls
    // too, the texts that run in that parent right up to it). Without any,
    // the nearest text before it when that is a few words or ends in a
    // colon (a term on the line or in the cell above). Headings and notices
    // above the fields, which the texts back to the form's start hold, are
    // no field's label.
    static QList<const SmartLabel*> leadingLabel(const QList<SmartLabel*>& labels, int index);
    // The texts before the control's entry (at index), back to the previous
    // control, that are its own, as leadingLabel tells, nearest first.
    static QList<const SmartLabel*> ownTextsBefore(const QList<SmartLabel*>& labels, int index);
    // The text names another control than this one: a LABEL for it, or a
    // text that sits closer to the other control in the page than to this.
    static bool namesOther(const SmartLabel* text, const SmartLabel* control, const SmartLabel* other);
    // In the block at that depth around the control's entry, the texts
    // follow the controls (sub-labels under the fields): the last control
    // has a text after it, the first none before it.
    static bool labelsBelow(const QList<SmartLabel*>& labels, int index, int depth);
    // The text entry between the previous control and this one, in the same
    // block as both, is a sub-label of the previous one.
    static bool subLabelOfPrevious(const QList<SmartLabel*>& labels, int index, int text, int previous);
    // The index of the first control entry after the entry at index.
    static int afterEnd(const QList<SmartLabel*>& labels, int index);
    // The text after the control's entry (at index, the next control at end)
    // is the control's own: a LABEL names it, or it sits closer to it than to
    // the next control, or, after the last control, in its own container
    // (read once into container).
    static bool ownAfter(const QList<SmartLabel*>& labels, int index, int end, const SmartLabel* text,
                         PageElement* container, bool* containerRead);
    // The largest element around the control (its entry at index) that
    // holds no other control of the form; null when the control's parent
    // already holds another.
    static PageElement ownContainer(const QList<SmartLabel*>& labels, int index);
    // The texts after the control's entry (at index) that are its own, as
    // ownAfter tells, up to the first that is not.
    static QList<const SmartLabel*> ownTextsAfter(const QList<SmartLabel*>& labels, int index);
    // Labels after inputs: the control's own short texts after it.
    int kindFromLabelsAfter(SmartElement* control, const QList<SmartLabel*>& labels);

    // The control's entry in the label list, as SmartUtils::indexOfLabel.
    // The passes go through the controls in document order, so the search
    // starts after the entry found last and wraps around.
    int labelIndex(SmartElement* control, const QList<SmartLabel*>& labels) const;

private:
    mutable int m_hint = 0;
};

} // namespace Vexal
