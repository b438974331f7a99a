#pragma once

#include "shell/PageDom.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace Vexal {

class SmartElement;
class SmartLabel;

// What one fill did to the boxes of one form, kept by box, and what it tells
// the user. SmartFill notes each write (which field's value went into which
// box, and whether the box took it); the fill's caller notes the form, what
// recognition made of its controls and the fields it found no box for. Once
// the fill is done the report tells, in the words the page shows, each
// value that did not fit and each box the form needs that holds nothing,
// with the reason; and whether a field's value reached the page.
class SmartFillReport
{
public:
    // What a write did to a box: wrote the value, had none to write (an
    // empty value, a question's place with no text to type), found no
    // option of the value in a choice list, left a check box or radio
    // unticked as the value says, left the box empty because the value
    // does not fit it, or wrote nothing because the element takes no text
    // (a DIV, an image; an editor frame and its body take it).
    enum Outcome { Written, NoValue, NoOption, Unticked, DoesNotFit, TakesNoText };

    // A new fill: nothing noted, no form.
    void clear();
    // The form written into; the first one given stays.
    void setForm(const PageElement& root);
    const PageElement& form() const { return m_root; }
    // What recognition made of the form's controls; none on a template's
    // route.
    void setRecognised(const QList<SmartElement*>& controls);
    // The field whose value the writes from now on carry: the kind of
    // SmartElement its value belongs to (0: none a caller asks after), and
    // its caption, which names it where no box does.
    void startField(int field, const QString& caption)
    {
        m_field = field;
        m_caption = caption;
    }
    // A write into a box; limit and size for a value that does not fit: the
    // characters the box takes and those the value has.
    void note(const PageElement& box, Outcome outcome, int limit = 0, int size = 0);
    // A field no box of the page was found for, by its caption: told where
    // every box is needed.
    void noteNoBox(const QString& caption);
    // Every box the fill writes is one the form cannot go without (a
    // login's): left empty, it is named as a box the form needs, and so is a
    // field no box was found for.
    void needEveryBox() { m_everyBoxNeeded = true; }
    // The fill wrote all it had to write.
    void finish() { m_finished = true; }
    bool finished() const { return m_finished; }

    // Whether the field's value reached the page: it went into a box, and
    // every box it went to took it whole.
    bool took(int field) const;

    // What the notice says of the fill, one part a list: the values that do
    // not fit ("<box>: the box takes N characters, the value has M"), the
    // boxes the form needs that hold nothing ("<box>: <reason>"), then the
    // fields whose element takes no text ("<field>: <reason>"), at most ten
    // a list and then how many more. Empty when the fill left nothing
    // undone. Read with the form's label sequence; worked out once until a
    // note changes it.
    const QStringList& undone(const QList<SmartLabel*>& labels);

    // The boxes of the form, shown to the user and open to typing, that the
    // form needs and that hold nothing now (whoever filled the others): every
    // box the form must have (SmartBoxFacts::required), every password box
    // and the boxes of needed. A check box counts when unticked, a group of
    // radios (named by its first) when none is picked, a choice list left at
    // its prompt. A trap for robots, a box the page makes transparent and a
    // picture code are none. In document order.
    PageElements leftEmpty(const QList<SmartLabel*>& labels, const PageElements& needed = PageElements()) const;
    // The words of the box's label as the page shows them (SmartOwnTexts::
    // visibleLabel; for a radio the group's label before it), without the
    // star or colon around them, character references read and markup as
    // text; failing that its placeholder, its title for readers or its
    // ARIA label; never its internal name. Empty for a box that shows none.
    static QString boxName(const PageElement& box, const QList<SmartLabel*>& labels);

private:
    struct Entry {
        PageElement box;
        Outcome outcome;
        int field;
        QString caption;
        int limit;
        int size;
    };
    // Why a box the form needs, named so, holds nothing.
    QString whyEmpty(const PageElement& box, const QString& name) const;
    const SmartElement* recognised(const PageElement& box) const;
    // A box that asks for the code of a picture beside it, as recognition
    // saw it or, on a template's route, by the table's words.
    bool asksPictureCode(const PageElement& box, const QList<SmartLabel*>& labels, int index) const;

    PageElement m_root;
    QList<SmartElement*> m_controls;
    QList<Entry> m_entries;
    QStringList m_noBox;
    int m_field = 0;
    QString m_caption;
    bool m_everyBoxNeeded = false;
    bool m_finished = false;
    bool m_read = false;
    QStringList m_undone;
};

} // namespace Vexal
