#pragma once

#include "automation/SmartTextLookup.h"
#include "shell/PageDom.h"

#include <functional>

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

    virtual int classify(SmartElement* control, const QString& text);

    // Text fields whose texts ask for the code of a picture become a
    // Captcha, also when their id or name made them a security answer.
    void markCaptcha(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // Whether the texts before the control (but not another control's
    // sub-labels) or its own texts after it ask for the code of a picture.
    bool asksForCode(SmartElement* control, const QList<SmartLabel*>& labels);
    // Check boxes in a list of categories or topics (by the boxes' names,
    // the list's container or fieldset, or its heading) become a Category,
    // also those the attribute pass took for news: they are no offers to
    // decline.
    void markCategoryLists(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    bool inCategoryList(SmartElement* control, const QList<SmartLabel*>& labels) const;
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
    // First, Middle or Last Name for a text that is a part of a name alone
    // or with "name" ("Given", "Last name", "Surname"); bare tells whether
    // it lacks "name". 0 for any other text.
    int namePart(const QString& text, bool* bare) const;
    void lookupKinds(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);

    // The passes that weigh the evidence (SmartFieldEvidence.cpp).

    // Controls whose id or name gave a kind that their own label names
    // otherwise take the label's kind; those whose own label holds a word
    // that excludes the kind are left alone.
    void weighOwnLabels(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // Choice lists read as parts of a birthday keep that only where they or
    // the date parts beside them speak of birth, or where the three parts
    // stand together with years gone by; a text that names another date
    // ("Year of graduation", "every day") leaves its list alone.
    void confirmBirth(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // Text boxes the page follows with "@" and a domain ask for the part of
    // an address before it (SmartElement::asksLocalPart).
    void markLocalParts(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // On a service's own sign-up (a password and no login field) the one
    // account name ("... ID", a box followed by "@" and a domain) is the
    // login, also where the name is a messenger's; a box followed by "@"
    // and a domain is never a street or a name.
    void markServiceLogin(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // A choice list whose options name three countries or more is the
    // country, whatever its label ("Location").
    void markCountryLists(QList<SmartElement*>& controls);
    // The fields of a payment card, and the few between two of them, take
    // nothing of the person or the account, nor a picture code. A card's
    // word that also starts the names of the address's fields names the
    // section ("cc_city"), not a field of the card.
    void markCardBlock(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // The most fields between two of a card's that are the card's too.
    static constexpr int CardGap = 2;
    // A person's name met again starts the fields of another person (a
    // repeated group: a second attendee): the kinds they repeat are left
    // alone. Other repeats are the member's own (a billing address beside
    // the delivery address, a second e-mail), and so is a name met again
    // where its name or the texts before it ask for the member's billing,
    // shipping or mailing address.
    void markRepeats(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // The control's name, or the texts before it, ask for the member's
    // billing, shipping or mailing address.
    bool asksOwnAddress(SmartElement* control, const QList<SmartLabel*>& labels) const;
    // A bare "Name" beside a surname, with no first name, is the first name.
    void markNameBesideSurname(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // Short boxes right after a phone or fax box, with nothing but
    // separators between them, continue that number; a box right after a
    // first name takes the part of a name its own name says.
    void markSplitBoxes(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // A password box the page gives no words at all (no text between it and
    // its neighbouring controls, no placeholder, no title, no name for
    // readers) is a trap for a browser's filling: it is left alone. One
    // right after a password box, with nothing between, retypes it.
    void markPasswordBoxes(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    bool showsNoWords(SmartElement* control, const QList<SmartLabel*>& labels) const;
    // The control's id and name with its title and placeholder: what names
    // a box beside the labels of its row.
    QString shownName(const SmartElement* control) const;
    // A box that takes one character holds an initial or a digit of a
    // number: whatever its name says, no other value fits it ("M.I." in a
    // box named for the address form).
    void markSingleCharacters(QList<SmartElement*>& controls);
    // A box is the terms when its own words say so, or, in any wording or
    // language, when the form must have it (required, a star on its own
    // label) or its own label links to another document with no word
    // against it (news, mail, an offer, another thing); never a box that
    // offers news, offers or credit. A link elsewhere on the page tells
    // nothing of the box.
    int termsByEvidence(SmartElement* control, const QList<SmartLabel*>& labels) const;
    // A text of the box's own label is or lies in a link to another
    // document (not within the page, not a script).
    static bool linksAway(const QList<const SmartLabel*>& own);
    // The user reads words for the box: its own label (in any language), or
    // words about the terms between it and its neighbouring controls.
    bool speaksOfTerms(SmartElement* control, const QList<SmartLabel*>& labels) const;
    bool isRequired(SmartElement* control, const QList<SmartLabel*>& labels) const;

    int termsAfter(SmartElement* control, const QList<SmartLabel*>& labels) const;
    int genderAfter(SmartElement* control, const QList<SmartLabel*>& labels) const;
    // How surely a terms box is one: 4 its id or name says terms, 3 its own
    // label does, 2 its id or name agrees or accepts, 1 its label does.
    int termsRank(SmartElement* control, const QList<SmartLabel*>& labels) const;
    int birthKind(SmartElement* control);
    int kindFromParent(SmartElement* control);
    int kindFromLabels(SmartElement* control, const QList<SmartLabel*>& labels, int mode);
    static bool isBoldMode(const QList<SmartLabel*>& labels);

protected:
    void writeLog(SmartLog* report) override;

    // Gives each control of that HTML type still without a kind the kind
    // kindOf finds for it, if any.
    static void markOpen(QList<SmartElement*>& controls, int type, const std::function<int(SmartElement*)>& kindOf);

    // The kind the first of the control's own texts gives by the rows of
    // the group; 0 when none does.
    int kindAfter(SmartElement* control, const QList<SmartLabel*>& labels, SmartKeywords::Group group) const;
    // The control's own texts (SmartOwnTexts::ownTexts).
    QList<const SmartLabel*> ownTexts(SmartElement* control, const QList<SmartLabel*>& labels) const;
    // The words that any of the texts holds.
    SmartKeywords::Hits hitsOf(const QList<const SmartLabel*>& texts) const;
    // The kind a text names, read strictly: a bare name gives none.
    int labelKind(SmartElement* control, const QString& text);
    // The texts the page shows as the control's own label: LABEL elements
    // naming it and its own label-like texts before and after it.
    QList<const SmartLabel*> ownLabel(SmartElement* control, const QList<SmartLabel*>& labels) const;
    static QStringList textsOf(const QList<const SmartLabel*>& labels);
    // What a user reads as the control's label: its own label, else the
    // nearest label-like text before it (a label in the row above).
    QList<const SmartLabel*> visibleLabel(SmartElement* control, const QList<SmartLabel*>& labels) const;
    // A date text that names another event than a birth: a date word with
    // a word of its own ("graduation", "every", "expiry").
    bool namesOtherDate(const QString& text) const;
    // The texts a choice list's date is read from: its id and name, its
    // first option, the texts before it and its own after it.
    QStringList dateTexts(SmartElement* control, const QList<SmartLabel*>& labels) const;
    // Nothing but separators stand between the two controls.
    bool nextWithoutLabel(SmartElement* previous, SmartElement* control, const QList<SmartLabel*>& labels) const;
    // Year, month and day together, the years all gone by.
    static bool wholePastDate(const QList<SmartElement*>& group);
    // Labels after inputs: the control's own short texts after it.
    int kindFromLabelsAfter(SmartElement* control, const QList<SmartLabel*>& labels);

    // The control's entry in the label list, as SmartLabel::indexOf.
    // The passes go through the controls in document order, so the search
    // starts at the entry found last and wraps around.
    int labelIndex(SmartElement* control, const QList<SmartLabel*>& labels) const;

private:
    struct BoxLists;
    // The list of check boxes a box is one of, by the box's chain of
    // ancestors (its label entry's): the depth of the smallest element
    // around it that holds another check box and no other control; -1 when
    // there is none.
    int boxList(const PageElements& chain) const;

    mutable int m_hint = 0;
    const BoxLists* m_boxLists = nullptr;
};

} // namespace Vexal
