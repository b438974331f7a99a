#pragma once

#include "automation/smart/SmartFillReport.h"
#include "shell/PageDom.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>

namespace Vexal {

class SelectorManager;
class SmartElement;
class SmartLabel;
class SmartLabelLookup;

// Writes values into the controls of a page, through its page access (the
// manager's writes). What it needs to know of a control beyond the value it
// takes, recognition decided: the boxes that continue a phone number, a box
// the page follows with "@" and a domain, the options that only name their
// list. A recognised control carries these facts; for an element a template
// found, the fill reads the label sequence of its form as recognition does.
// Each write notes what it did to each box in the fill's report, which tells
// the user what the fill left undone.
class SmartFill
{
public:
    explicit SmartFill(SelectorManager* writer);
    ~SmartFill();
    SmartFill(const SmartFill&) = delete;
    SmartFill& operator=(const SmartFill&) = delete;

    // Writes a value into an element a template found. A choice list takes
    // the option whose text or value is the value or one of its other
    // texts; an editor frame anywhere in the page, or the body of its
    // document, takes the text (SelectorManager::editorBody); a text box,
    // see writeText.
    void write(const PageElement& element, const QString& value, const QStringList& otherTexts = QStringList(),
               bool digits = false);
    // Writes a value into a recognised control of the controls; a box that
    // continues the number of the one before it takes its part from there.
    void write(const SmartElement* control, const QList<SmartElement*>& controls, const QString& value,
               const QStringList& otherTexts = QStringList(), bool digits = false);
    // A choice list takes the option of one of the texts; a check box of a
    // list is ticked when its label or value is one of them, and else left
    // as it is; a text box (a part of a date) takes the longest of the
    // texts made of digits alone that fits it ("07" for the seventh).
    void choose(const PageElement& element, const QStringList& wanted);

    // Selects the first option, in document order, whose text or value is
    // one of the wanted ones, compared trimmed, ignoring case, blanks,
    // non-breaking spaces and the indent marks of a tree ("|___ Sport"),
    // never a placeholder. Failing that, the one option whose text is a path
    // ("Computers > Internet") ending in a wanted one; none where several
    // do. False when no option is chosen.
    static bool chooseOption(const PageElement& select, const QStringList& wanted);
    // Chooses as chooseOption does, and notes what it did.
    void pick(const PageElement& select, const QStringList& wanted);
    // A text as options are compared: a sign before a number stays; the
    // parts of a path are joined by one separator.
    static QString optionKey(const QString& text);
    // The maxlength of a text box; -1 when it sets none.
    static int maxLength(const PageElement& box);

    using Outcome = SmartFillReport::Outcome;
    // What the writes did, box by box, since the report was last cleared.
    SmartFillReport& report() { return m_report; }

    // The form an element belongs to: its FORM, else the page's BODY.
    static PageElement formOf(const PageElement& element);
    // Takes the label sequence recognition read of the form at root, kept
    // while owner (which holds the labels) lives, so that the fill reads no
    // label of that form from the page again.
    void useLabels(const PageElement& root, const QList<SmartLabel*>& labels, QObject* owner);
    // The label sequence of the form at root: the one taken from
    // recognition, else read once.
    const QList<SmartLabel*>& labelsOf(const PageElement& root);
    // What the report tells of the fill, read with the label sequence of the
    // form written into (SmartFillReport::undone).
    const QStringList& undone();

private:
    // A text box takes the value only when it fits: a value longer than the
    // box's maxlength is never typed cut, and is kept as a misfit. A number (digits) that does not
    // fit goes, digits only, into the row of boxes (this one and those that
    // continue its number) whose maxlengths add up to its digits (the number
    // without its country code where it is written "+<code> ..."). A box
    // that asks for the part of an address before its "@" takes that part.
    Outcome writeText(const PageElement& box, const QString& value, bool digits, bool localPart,
                      const PageElements& row);
    // Writes as write() does; a box that takes a choice's place in a list
    // ("XINDEX:2", the security question) takes the first of the other
    // texts, the choice's own text, instead.
    Outcome writeWith(const PageElement& element, const QString& value, const QStringList& otherTexts, bool digits,
                      bool localPart, const PageElements& row);
    void noteRow(const PageElements& row, Outcome outcome);
    // What recognition reads of an element a template found: whether it
    // asks for the part of an address before its "@", and the boxes that
    // continue its number.
    void readFacts(const PageElement& element, bool* localPart, PageElements* row);
    static bool boxNamed(const PageElement& box, const QStringList& wanted);

    SelectorManager* m_writer;
    // The label sequence of the form last read: read for a template's
    // element (its entries children of m_owner), or taken from recognition
    // (m_borrowed holds them).
    QObject m_owner;
    PageElement m_root;
    std::unique_ptr<SmartLabelLookup> m_labels;
    QList<SmartLabel*> m_labelList;
    QPointer<QObject> m_borrowed;
    SmartFillReport m_report;
};

} // namespace Vexal
