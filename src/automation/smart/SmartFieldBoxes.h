#pragma once

#include "automation/smart/SmartFieldPass.h"

#include <QString>
#include <QStringList>

namespace Vexal {

// The passes of a field lookup over the boxes a user types into and the
// lists he chooses from, read by their shape and their neighbours: a code
// of a picture, an address's part before "@", a number over several boxes,
// one character, a password, a list of countries, a payment card.
class SmartFieldBoxes : public SmartFieldPass
{
public:
    using SmartFieldPass::SmartFieldPass;

    // Text boxes the page follows with "@" and a domain ask for the part of
    // an address before it (SmartElement::asksLocalPart).
    void markLocalParts(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // Text fields whose texts or class ask for the code of a picture become a
    // Captcha, also when their id or name made them a security answer.
    void markCaptcha(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // A text box that asks a question to tell a person from a program (an
    // anti-spam or human check, a sum: "What is 3 + 4?") is no security
    // question nor its answer: it is left for the user to answer
    // (SmartElement::asksUser). So is a box the security question or its
    // answer took whose own texts pose a question of their own ("Answer:
    // what colour is snow?"): the profile's question answers another.
    void markHumanChecks(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // A text box whose label asks the user a question of his own is left for
    // him (SmartElement::asksUser): a recovery question, by its words ("Name
    // of the street you grew up on", "Your grandmother's maiden name") or as
    // a question of his past ("In which town were you born?"), is the answer
    // to that question (SmartElement::question), which the account answers
    // only where it is the account's question; any other question in which
    // the table reads no kind (in another language) takes nothing. A box
    // that repeats the answer ("Re-type answer") goes with the answer box
    // before it. A question for the user's own data ("What's your name?")
    // keeps its kind. A list nothing else named under a question is the
    // user's to answer too ("How old are you?").
    void markOwnQuestions(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // Whether the texts before the control (but not another control's
    // sub-labels) or its own texts after it ask for the code of a picture.
    bool asksForCode(SmartElement* control, const QList<SmartLabel*>& labels) const;
    // On a service's own sign-up (a password and no login field) the one
    // account name ("... ID" of no one else, a box followed by "@" and a
    // domain) is the login, also where the name is a messenger's; a box
    // followed by "@" and a domain is never a street or a name.
    void markServiceLogin(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // On a sign-up with no login box, the one text box whose own name is a
    // login word ("username", "user_name", "nick", "screenname": a user's
    // name read with the fallback the captions have) is the login, where
    // none of its texts, in whatever language, names another kind.
    void markLoginByName(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // A choice list whose options name three countries or more is the
    // country, whatever its label ("Location"), unless its label asks for
    // another country than the member's own ("Nationality").
    void markCountryLists(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // Short boxes right after a phone or fax box, with nothing but
    // separators between them, continue that number; a box right after a
    // first name takes the part of a name its own name says.
    void markSplitBoxes(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // A box that takes one character holds an initial or a digit of a
    // number: whatever its name says, no other value fits it ("M.I." in a
    // box named for the address form).
    static void markSingleCharacters(QList<SmartElement*>& controls);
    // A password box the page gives no words at all (no text between it and
    // its neighbouring controls, no placeholder, no title, no name for
    // readers) is a trap for a browser's filling: it is left alone. One
    // right after a password box, with nothing between, retypes it.
    void markPasswordBoxes(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // The fields of a payment card, and the few between two of them, take
    // nothing of the person or the account, nor a picture code. A card's
    // word that also starts the names of the address's fields names the
    // section ("cc_city"), not a field of the card.
    void markCardBlock(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);
    // The most fields between two of a card's that are the card's too.
    static constexpr int CardGap = 2;
    // Numbered lines of an address ("Address line 1" to "Address line 5")
    // write the street once: a line after the second takes, by its number,
    // the town (3), the region (4) or the country (5) where the form has no
    // box of that of its own and the line's words name nothing else; any
    // other later line is left alone. A postal code named by words that need
    // an address around it ("PIN code") is one only where the form asks for
    // a street, a town or a region.
    void markAddressLines(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels);

private:
    // The texts a box's label may ask the user with, in turn: its own label,
    // the nearest text before it, its placeholder; not a link to help nor
    // examples.
    QStringList askingTexts(SmartElement* control, const QList<SmartLabel*>& labels) const;
    // A text of examples after a box ("For example: What was ...?", "(e.g.
    // ...)"): it asks nothing itself.
    bool examples(const QString& text) const;
    // The label of an account box asks for an ID or number the user already
    // holds (a pupil's, a library card's, "No.", "#"): never the login. One
    // the user picks ("Choose a member ID") is not.
    bool asksHeldNumber(SmartElement* control, const QString& text) const;
    // Nothing but separators stand between the two controls.
    bool nextWithoutLabel(SmartElement* previous, SmartElement* control, const QList<SmartLabel*>& labels) const;
    // The control's id and name with its title and placeholder: what names
    // a box beside the labels of its row.
    QString shownName(const SmartElement* control) const;
    bool showsNoWords(SmartElement* control, const QList<SmartLabel*>& labels) const;
    // The number of the address line the control is: by the label the user
    // reads, else by its id or name, where it speaks of an address; 0 for
    // none.
    int addressLine(SmartElement* control, const QList<SmartLabel*>& labels) const;
    // Whether a control of the form other than the lines asks for that part
    // of an address: it has that kind, or its label, id or name names it.
    bool asksFor(const QList<SmartElement*>& controls, int part, const QList<SmartLabel*>& labels) const;
};

} // namespace Vexal
