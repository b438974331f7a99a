// The passes of the field lookup that weigh the evidence for a kind: a field
// is filled only on clear evidence; where the evidence is weak or
// contradicts itself, the field is left alone (an empty field costs the user
// one value to type, a wrong one may cost the account).

#include "automation/SmartFieldLookup.h"

#include "automation/ConstSmart.h"
#include "automation/SmartElement.h"
#include "automation/SmartCountry.h"
#include "automation/SmartLabel.h"
#include "automation/SmartOwnTexts.h"
#include "automation/SmartUtils.h"

#include <QDate>
#include <QRegularExpression>
#include <QSet>

namespace Vexal {

using E = SmartElement;
using K = SmartKeywords;
namespace Own = SmartOwnTexts;

namespace {

bool isBirthPart(int kind)
{
    return kind == E::KindBirthYear || kind == E::KindBirthMonth || kind == E::KindBirthDay;
}

} // namespace

int SmartFieldLookup::labelKind(SmartElement* control, const QString& text)
{
    m_strict = true;
    const int kind = classify(control, text);
    m_strict = false;
    return kind;
}

QList<const SmartLabel*> SmartFieldLookup::ownLabel(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    QList<const SmartLabel*> own;
    const int index = labelIndex(control, labels);
    if (index < 0)
        return own;
    // A text its parent shares with other controls ("Birthday" before the
    // day, month and year) labels the row, not the control.
    const PageElement container = Own::ownContainer(labels, index);
    for (const SmartLabel* text : Own::ownTextsBefore(labels, index) + Own::ownTextsAfter(labels, index)) {
        const PageElement& target = text->labelTarget();
        if (target.isNull() ? Own::labelLike(text) && Own::within(text, container) : target == control->element())
            own << text;
    }
    return own;
}

QStringList SmartFieldLookup::textsOf(const QList<const SmartLabel*>& labels)
{
    QStringList texts;
    for (const SmartLabel* label : labels)
        texts << label->text();
    return texts;
}

QList<const SmartLabel*> SmartFieldLookup::visibleLabel(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    QList<const SmartLabel*> own = ownLabel(control, labels);
    if (!own.isEmpty())
        return own;
    // Else the label the user reads above or before it, when there is one.
    const int index = labelIndex(control, labels);
    if (index < 0)
        return own;
    for (const SmartLabel* text : Own::textsBefore(labels, index)) {
        if (Own::labelLike(text) || !text->labelTarget().isNull()) {
            own << text;
            break;
        }
    }
    return own;
}

void SmartFieldLookup::weighOwnLabels(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    for (SmartElement* control : controls) {
        const int kind = control->kind();
        const int type = control->type();
        // A picture code is told by more than words; a handle is never filled.
        if (kind == E::KindUndef || kind == E::KindCaptcha || kind == E::KindTrash
            || !(type == E::TypeText || type == E::TypePassword || type == E::TypeSelect || type == E::TypeTextArea))
            continue;
        // The text a box shows inside itself until the user types counts
        // where it has no label of its own.
        QStringList own = textsOf(ownLabel(control, labels));
        const QString placeholder = control->element().attribute(QStringLiteral("placeholder")).trimmed();
        if (own.isEmpty() && !placeholder.isEmpty())
            own << placeholder;
        int said = E::KindUndef;
        for (const QString& text : own) {
            said = labelKind(control, text);
            if (said != E::KindUndef)
                break;
        }
        // What the page shows the user outranks the name the site's software
        // gave the field ("Email Address" on a field named for the login).
        if (said != E::KindUndef) {
            control->setKind(said);
            continue;
        }
        // A label that excludes the kind ("Company name" on a field whose
        // name holds "address", "Password hint" on one named for the
        // password) contradicts the name.
        K::Hits shown = hitsOf(visibleLabel(control, labels));
        if (!placeholder.isEmpty())
            shown |= hits(placeholder);
        if (keywords().excludes(kind, shown, scope()))
            control->setKind(E::KindTrash);
    }
}

bool SmartFieldLookup::isRequired(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    const PageElement& box = control->element();
    if (box.hasAttribute(QStringLiteral("required"))
        || SmartUtils::equalsNoCase(box.attribute(QStringLiteral("aria-required")), QStringLiteral("true")))
        return true;
    const int index = labelIndex(control, labels);
    if (index < 0)
        return false;
    // The star that marks a field the form must have, on the box's own
    // label. A star right before a text box that runs on in the box's
    // parent marks that box ("Same as above", then "Street *" and its box);
    // a note that says what the stars mean is none.
    const int next = Own::afterEnd(labels, index);
    const bool nextTakesText = next < labels.size() && labels.at(next)->element().parent() == box.parent()
        && SmartElement::typeOf(labels.at(next)->element()) != E::TypeCheckBox
        && SmartElement::typeOf(labels.at(next)->element()) != E::TypeRadio;
    for (const SmartLabel* text : ownTexts(control, labels)) {
        if (text->text().trimmed().endsWith(QLatin1Char('*')) && !holds(K::RequiredNote, text->text())
            && !(nextTakesText && text == labels.at(next - 1)))
            return true;
    }
    return false;
}

int SmartFieldLookup::termsByEvidence(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    const QList<const SmartLabel*> own = ownTexts(control, labels);
    const K::Hits words = hitsOf(own);
    const int type = control->type();
    // Words of the rules, or a label that only agrees ("I agree", "Yes, I
    // accept"); a sentence that agrees to something else ("I accept
    // liability for ...") is no terms.
    const int rank = keywords().rank(K::Terms, words, type, scope());
    if (rank == 0)
        return E::KindTerms;
    if (rank == 1) {
        for (const SmartLabel* text : own) {
            if (text->wordCount() <= Own::LabelWords && keywords().rank(K::Terms, hits(text->text()), type, scope()) == 1)
                return E::KindTerms;
        }
    }
    // In any wording or language: the form must have the box, or its own
    // label links to another document; never a box that offers news,
    // offers or credit, or names another thing (a link to the members'
    // list beside "Show my e-mail").
    if (keywords().holdsExclusion(K::Terms, E::KindTerms, words))
        return E::KindUndef;
    if (isRequired(control, labels))
        return E::KindTerms;
    if (keywords().holdsAny(K::News, words) || keywords().holdsAny(K::Mail, words))
        return E::KindUndef;
    return linksAway(own) ? int(E::KindTerms) : int(E::KindUndef);
}

bool SmartFieldLookup::linksAway(const QList<const SmartLabel*>& own)
{
    for (const SmartLabel* text : own) {
        for (PageElement e = text->source(); !e.isNull(); e = e.parent()) {
            if (SmartUtils::isControlTag(e.tagName()) || SmartUtils::isFormOrBody(e))
                break;
            if (!SmartUtils::equalsNoCase(e.tagName(), QStringLiteral("A")))
                continue;
            // A link within the page, or a script, shows no document of its own.
            const QString href = e.attribute(QStringLiteral("href")).trimmed();
            if (!href.isEmpty() && !href.startsWith(QLatin1Char('#'))
                && !href.startsWith(QLatin1String("javascript:"), Qt::CaseInsensitive))
                return true;
            break;
        }
    }
    return false;
}

bool SmartFieldLookup::speaksOfTerms(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    const QList<const SmartLabel*> own = ownTexts(control, labels);
    if (!own.isEmpty())
        return true;
    const int index = labelIndex(control, labels);
    if (index < 0)
        return false;
    const K::Hits near = hitsOf(Own::textsBefore(labels, index) + Own::ownTextsAfter(labels, index));
    return keywords().kind(K::Terms, near, control->type(), scope()) != E::KindUndef;
}

bool SmartFieldLookup::namesOtherDate(const QString& text) const
{
    if (!holds(K::DateWord, text) || keywords().holdsContext(K::BirthPart, E::KindBirthYear, hits(text)))
        return false;
    static const QRegularExpression gaps(QStringLiteral("[^\\p{L}]+"));
    for (const QString& word : text.split(gaps, Qt::SkipEmptyParts)) {
        if (word.size() >= 4 && !holds(K::DateWord, word) && !holds(K::Filler, word))
            return true;
    }
    return false;
}

QStringList SmartFieldLookup::dateTexts(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    QStringList texts{attributeText(control)};
    const PageElement first = control->element().firstChild();
    if (!first.isNull())
        texts << first.toPlainText();
    const int index = labelIndex(control, labels);
    if (index >= 0) {
        for (const SmartLabel* text : Own::textsBefore(labels, index) + Own::ownTextsAfter(labels, index))
            texts << text->text();
    }
    return texts;
}

bool SmartFieldLookup::wholePastDate(const QList<SmartElement*>& group)
{
    int parts = 0;
    const SmartElement* year = nullptr;
    for (const SmartElement* control : group) {
        parts |= 1 << (control->kind() - E::KindBirthYear);
        if (control->kind() == E::KindBirthYear)
            year = control;
    }
    if (parts != 7 || !year)
        return false;
    // Years gone by: a card's expiry lists the years to come.
    const int now = QDate::currentDate().year();
    int years = 0;
    const PageElement& select = year->element();
    for (const PageElement& option : select.dom()->select(select, ConstSmart::tagOption())) {
        bool number = false;
        const int value = option.toPlainText().trimmed().toInt(&number);
        if (!number || value < 1000 || value > 9999)
            continue;
        if (value > now)
            return false;
        ++years;
    }
    return years >= 2;
}

void SmartFieldLookup::confirmBirth(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    // The parts of one date stand next to each other.
    for (int start = 0; start < controls.size();) {
        if (!isBirthPart(controls.at(start)->kind()) || controls.at(start)->type() != E::TypeSelect) {
            ++start;
            continue;
        }
        int end = start;
        while (end < controls.size() && isBirthPart(controls.at(end)->kind())
               && controls.at(end)->type() == E::TypeSelect)
            ++end;
        const QList<SmartElement*> group = controls.mid(start, end - start);
        bool birth = false;
        QVector<bool> other(group.size(), false);
        for (int i = 0; i < group.size(); ++i) {
            for (const QString& text : dateTexts(group.at(i), labels)) {
                if (keywords().holdsContext(K::BirthPart, group.at(i)->kind(), hits(text)))
                    birth = true;
                else if (namesOtherDate(text))
                    other[i] = true;
            }
        }
        birth = birth || wholePastDate(group);
        for (int i = 0; i < group.size(); ++i) {
            if (!birth || other.at(i))
                group.at(i)->setKind(E::KindUndef);
        }
        start = end;
    }
}

void SmartFieldLookup::markLocalParts(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    for (SmartElement* control : controls) {
        if (control->type() == E::TypeText)
            control->setAsksLocalPart(Own::followedByDomain(labels, labelIndex(control, labels)));
    }
}

void SmartFieldLookup::markServiceLogin(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    bool password = false;
    bool login = false;
    for (const SmartElement* control : controls) {
        login = login || control->kind() == E::KindLogin;
        password = password || control->type() == E::TypePassword;
    }
    SmartElement* account = nullptr;
    int accounts = 0;
    for (int i = 0; i < controls.size(); ++i) {
        SmartElement* control = controls.at(i);
        const int kind = control->kind();
        // A handle the page follows with "@" and a domain takes its part before
        // the "@" when it is filled.
        if (control->type() != E::TypeText || kind == E::KindEmail || kind == E::KindLogin
            || kind == E::KindScreenName)
            continue;
        // A box followed by "@" and a domain takes an address of the service:
        // never a street or a name.
        if (control->asksLocalPart()) {
            control->setKind(E::KindTrash);
            account = control;
            ++accounts;
            continue;
        }
        // The service's own account name, "... ID", even where a messenger
        // would be named so.
        const int index = labelIndex(control, labels);
        if ((kind != E::KindUndef && kind != E::KindTrash) || index < 0)
            continue;
        for (const SmartLabel* text : Own::textsBefore(labels, index)) {
            if (Own::labelLike(text) && loneId(text->text())) {
                account = control;
                ++accounts;
                break;
            }
        }
    }
    // On a service's own sign-up (a password and no login field) the one
    // account box is the login; two of them are no clear evidence.
    if (password && !login && accounts == 1)
        account->setKind(E::KindLogin);
}

void SmartFieldLookup::markNameBesideSurname(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    if (SmartElement::containsKind(controls, E::KindFirstName) || !SmartElement::containsKind(controls, E::KindLastName))
        return;
    for (SmartElement* control : controls) {
        if (control->kind() != E::KindFullName || control->type() != E::TypeText)
            continue;
        // Only a bare name ("Name", "Your name"); a full name says so.
        if (nameKind(attributeText(control)) == E::KindFullName)
            return;
        const int index = labelIndex(control, labels);
        if (index < 0)
            return;
        for (const SmartLabel* text : Own::textsBefore(labels, index) + Own::ownTextsAfter(labels, index)) {
            const int kind = nameKind(text->text());
            if (kind == E::KindUser)
                control->setKind(E::KindFirstName);
            if (kind != E::KindUndef)
                return;
        }
        return;
    }
}

bool SmartFieldLookup::nextWithoutLabel(SmartElement* previous, SmartElement* control,
                                        const QList<SmartLabel*>& labels) const
{
    return Own::onlySeparatorsBetween(labels, labelIndex(previous, labels), labelIndex(control, labels));
}

void SmartFieldLookup::markSplitBoxes(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    for (int i = 1; i < controls.size(); ++i) {
        SmartElement* previous = controls.at(i - 1);
        SmartElement* control = controls.at(i);
        if ((control->kind() != E::KindUndef && control->kind() != previous->kind())
            || control->type() != E::TypeText || !nextWithoutLabel(previous, control, labels))
            continue;
        // A box beside a part of the birthday (a choice list or a box) that
        // names a part of a date ("dd", "Year") by its name, title or
        // placeholder is another part.
        if (isBirthPart(previous->kind()) && control->kind() == E::KindUndef) {
            const int part = keywords().kind(K::BirthPart, hits(shownName(control)), K::AnyType, scope());
            if (part != E::KindUndef && part != previous->kind())
                control->setKind(part);
            continue;
        }
        if (previous->type() != E::TypeText)
            continue;
        // A phone over short boxes in one parent (their names may say so
        // too: "fax_a", "fax_b").
        if ((previous->kind() == E::KindPhone || previous->kind() == E::KindFax)
            && Own::continuesNumber(labels, labelIndex(previous, labels), labelIndex(control, labels))) {
            control->setKind(previous->kind());
            control->setContinuesPrevious(true);
            continue;
        }
        // A shorter box after a whole number that does not continue it is
        // its extension or suffix ("phoneEx", the ZIP+4 suffix).
        if (control->kind() == previous->kind()
            && (control->kind() == E::KindPhone || control->kind() == E::KindFax || control->kind() == E::KindZipCode)
            && Own::suffixOf(labels, labelIndex(previous, labels), labelIndex(control, labels))) {
            control->setKind(E::KindTrash);
            continue;
        }
        // A box right under the street, with no label of its own, holds the
        // rest of the address.
        if (previous->kind() == E::KindAddress
            && (control->kind() == E::KindUndef || control->kind() == E::KindAddress)) {
            control->setKind(E::KindAddressDetails);
            continue;
        }
        // A name over two boxes under one "Name": the box's own name tells
        // the part ("dnrfirst", "dnrlast").
        if (control->kind() == E::KindUndef
            && (previous->kind() == E::KindFirstName || previous->kind() == E::KindMiddleName)) {
            const int part = namePartByNames(control);
            if ((part == E::KindMiddleName || part == E::KindLastName) && part != previous->kind())
                control->setKind(part);
        }
    }
}

bool SmartFieldLookup::showsNoWords(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    const PageElement& box = control->element();
    for (const char* attribute : {"placeholder", "title", "aria-label", "aria-labelledby"}) {
        if (!box.attribute(QLatin1String(attribute)).trimmed().isEmpty())
            return false;
    }
    const int index = labelIndex(control, labels);
    return index >= 0 && ownTexts(control, labels).isEmpty() && Own::textsBefore(labels, index).isEmpty()
        && Own::ownTextsAfter(labels, index).isEmpty();
}

void SmartFieldLookup::markPasswordBoxes(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    for (int i = 0; i < controls.size(); ++i) {
        SmartElement* control = controls.at(i);
        if (control->type() != E::TypePassword)
            continue;
        SmartElement* previous = i > 0 ? controls.at(i - 1) : nullptr;
        const bool retypes = previous && previous->type() == E::TypePassword && previous->kind() == E::KindPassword
            && nextWithoutLabel(previous, control, labels);
        if (control->kind() == E::KindUndef && retypes)
            control->setKind(E::KindPassword);
        else if (control->kind() == E::KindPassword && !retypes && showsNoWords(control, labels))
            control->setKind(E::KindTrash);
    }
}

QString SmartFieldLookup::shownName(const SmartElement* control) const
{
    const PageElement& box = control->element();
    return attributeText(control) + QLatin1Char(' ') + box.attribute(ConstSmart::attrTitle()) + QLatin1Char(' ')
        + box.attribute(QStringLiteral("placeholder"));
}

void SmartFieldLookup::markSingleCharacters(QList<SmartElement*>& controls)
{
    for (SmartElement* control : controls) {
        const int kind = control->kind();
        if (control->type() != E::TypeText || kind == E::KindMiddleName || kind == E::KindPhone
            || kind == E::KindFax)
            continue;
        if (control->element().attribute(QStringLiteral("maxlength")).trimmed() == QLatin1String("1"))
            control->setKind(E::KindUndef);
    }
}

void SmartFieldLookup::markCountryLists(QList<SmartElement*>& controls)
{
    markOpen(controls, E::TypeSelect, [](SmartElement* control) {
        const PageElement& select = control->element();
        // The table holds the larger countries only, which every list of
        // the world's countries names.
        int countries = 0;
        for (const PageElement& option : select.dom()->select(select, ConstSmart::tagOption())) {
            if (SmartCountry::isCountryName(option.toPlainText().trimmed()) && ++countries == 3)
                return int(E::KindCountry);
        }
        return int(E::KindUndef);
    });
}

namespace {

bool isAddressPart(int kind)
{
    return kind == E::KindAddress || kind == E::KindAddressDetails || kind == E::KindCity || kind == E::KindState
        || kind == E::KindZipCode || kind == E::KindCountry || kind == E::KindPhone;
}

// What never goes into a payment card's fields: the person, the account,
// a picture code.
bool personOrCode(int kind)
{
    return SmartKeywords::costly(kind) || kind == E::KindCaptcha || kind == E::KindAnswer || isBirthPart(kind)
        || kind == E::KindGenderCombo || kind == E::KindGenderMale || kind == E::KindGenderFemale;
}

} // namespace

void SmartFieldLookup::markCardBlock(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    // A card's word that starts the names of the address's fields too
    // ("cc_city", "cc_postal_code") names the section, not a card's field.
    const K::Hits cardWords = keywords().wordsOf(K::Card);
    K::Hits section;
    for (const SmartElement* control : controls) {
        if (isAddressPart(control->kind()))
            section |= hits(attributeText(control)) & cardWords;
    }
    // A tick ("Save my card") or a choice of payment is no field of a card.
    // The fields between two of a card's, a few in a row (its holder's
    // names, its code), are the card's too; more are a section of their own
    // (the member's contact details between a gift card and the payment).
    int previous = -1;
    for (int i = 0; i < controls.size(); ++i) {
        SmartElement* control = controls.at(i);
        if (control->type() == E::TypeCheckBox || control->type() == E::TypeRadio)
            continue;
        bool card = (hits(attributeText(control)) & cardWords & ~section).any();
        for (const SmartLabel* text : card ? QList<const SmartLabel*>() : ownLabel(control, labels))
            card = card || holds(K::Card, text->text());
        if (!card)
            continue;
        const int from = previous >= 0 && i - previous - 1 <= CardGap ? previous + 1 : i;
        for (int j = from; j <= i; ++j) {
            if (personOrCode(controls.at(j)->kind()))
                controls.at(j)->setKind(E::KindTrash);
        }
        previous = i;
    }
}

bool SmartFieldLookup::asksOwnAddress(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    // The whole name: the groups of a path ("billing[first]") say it too.
    if (holds(K::OwnAddress, control->id() + QLatin1Char(' ') + control->name()))
        return true;
    const int index = labelIndex(control, labels);
    for (const SmartLabel* text : index < 0 ? QList<const SmartLabel*>() : Own::textsBefore(labels, index)) {
        if (holds(K::OwnAddress, text->text()))
            return true;
    }
    return false;
}

void SmartFieldLookup::markRepeats(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    // A person's name met again starts another person's fields (a second
    // attendee): what they repeat of the kinds before them is left alone.
    // Without one, a second address is the member's own (billing beside
    // delivery).
    QSet<int> seen;
    QSet<int> before;
    bool another = false;
    for (SmartElement* control : controls) {
        const int kind = control->kind();
        if (kind == E::KindUndef || kind == E::KindTrash || control->continuesPrevious())
            continue;
        const bool name = kind == E::KindFirstName || kind == E::KindLastName || kind == E::KindFullName;
        if (!another && name && seen.contains(kind)) {
            // The member's second address starts a group of its own.
            if (asksOwnAddress(control, labels)) {
                seen.clear();
            } else {
                another = true;
                before = seen;
            }
        }
        if (another && before.contains(kind))
            control->setKind(E::KindTrash);
        seen.insert(kind);
    }
}

} // namespace Vexal
