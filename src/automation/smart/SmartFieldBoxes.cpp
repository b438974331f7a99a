#include "automation/smart/SmartFieldBoxes.h"

#include "automation/smart/ConstSmart.h"
#include "automation/smart/SmartBoxFacts.h"
#include "automation/smart/SmartCountry.h"
#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartFieldLookup.h"
#include "automation/smart/SmartLabel.h"
#include "automation/smart/SmartLabelShape.h"
#include "automation/smart/SmartLabelSteps.h"
#include "automation/smart/SmartOwnTexts.h"
#include "automation/smart/SmartUtils.h"

#include <algorithm>

namespace Vexal {

using E = SmartElement;
using K = SmartKeywords;
namespace Own = SmartOwnTexts;
namespace Facts = SmartBoxFacts;
namespace Shape = SmartLabelShape;
namespace Steps = SmartLabelSteps;

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
    return SmartKeywords::costly(kind) || kind == E::KindCaptcha || kind == E::KindAnswer
        || SmartFieldLookup::isBirthPart(kind) || kind == E::KindGenderCombo || kind == E::KindGenderMale
        || kind == E::KindGenderFemale;
}

// Two numbers with the sign of a sum between them: "3 + 4", "2*5"; a dash
// or an "x" only set apart by blanks ("7 - 2", not "1-2" or "10x20").
bool asksSum(const QString& text)
{
    static const QString signs = QStringLiteral("+*\u00d7\u00f7");
    static const QString apart = QStringLiteral("-x\u2212\u2013");
    const int size = text.size();
    for (int i = 0; i + 2 < size; ++i) {
        if (!text.at(i).isDigit())
            continue;
        int sign = i + 1;
        while (sign < size && text.at(sign).isSpace())
            ++sign;
        int next = sign + 1;
        while (next < size && text.at(next).isSpace())
            ++next;
        if (next >= size || !text.at(next).isDigit())
            continue;
        const bool blanks = sign > i + 1 && next > sign + 1;
        if (signs.contains(text.at(sign)) || (blanks && apart.contains(text.at(sign))))
            return true;
    }
    return false;
}

} // namespace

void SmartFieldBoxes::markLocalParts(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    for (SmartElement* control : controls) {
        if (control->type() == E::TypeText)
            control->setAsksLocalPart(Facts::followedByDomain(labels, m_lookup.labelIndex(control, labels)));
    }
}

bool SmartFieldBoxes::asksForCode(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    const int index = m_lookup.labelIndex(control, labels);
    if (index < 0)
        return false;
    const SmartLabel* previous = nullptr;
    for (int i = index - 1; i >= 0; --i) {
        if (!labels.at(i)->isText()) {
            previous = labels.at(i);
            break;
        }
    }
    if (!previous) {
        for (const SmartLabel* label : Own::leadingLabel(labels, index)) {
            if (m_lookup.asksPictureCode(control, label->text()))
                return true;
        }
    }
    for (int i = index - 1; previous && i >= 0 && labels.at(i)->isText(); --i) {
        if (!Own::namesOther(labels.at(i), labels.at(index), previous)
            && m_lookup.asksPictureCode(control, labels.at(i)->text()))
            return true;
    }
    for (const SmartLabel* label : Own::ownTextsAfter(labels, index)) {
        if (m_lookup.asksPictureCode(control, label->text()))
            return true;
    }
    return false;
}

void SmartFieldBoxes::markCaptcha(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    for (SmartElement* control : controls) {
        if (control->type() != E::TypeText
            || (control->kind() != E::KindUndef && control->kind() != E::KindAnswer))
            continue;
        if (asksForCode(control, labels) || m_lookup.classAsksPictureCode(control))
            control->setKind(E::KindCaptcha);
    }
}

bool SmartFieldBoxes::examples(const QString& text) const
{
    const int at = m_lookup.holds(K::Hint, text) ? m_lookup.keywords().firstAt(K::Hint, text) : -1;
    return at >= 0 && !SmartUtils::hasLetter(text.left(at));
}

void SmartFieldBoxes::markHumanChecks(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    for (SmartElement* control : controls) {
        const int kind = control->kind();
        if (control->type() != E::TypeText
            || (kind != E::KindUndef && kind != E::KindQuestion && kind != E::KindAnswer))
            continue;
        const int index = m_lookup.labelIndex(control, labels);
        if (index < 0)
            continue;
        QStringList texts{control->placeholder()};
        for (const SmartLabel* text : Own::textsBefore(labels, index) + Own::ownTextsAfter(labels, index))
            texts << text->text();
        // Examples of questions printed beside a box ask nothing.
        const bool test = std::any_of(texts.begin(), texts.end(), [&](const QString& text) {
            return (m_lookup.holds(K::HumanCheck, text) || asksSum(text)) && !examples(text);
        });
        if (test) {
            control->setKind(E::KindTrash);
            control->setAsksUser(true);
        }
    }
}

namespace {

// A text that ends as a question does, past a mark of a required box or a
// colon.
bool questionSentence(const QString& text)
{
    for (int i = text.size() - 1; i >= 0; --i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('?') || c == QChar(0xFF1F))
            return true;
        if (!c.isSpace() && c != QLatin1Char('*') && c != QLatin1Char(':'))
            return false;
    }
    return false;
}

} // namespace

QStringList SmartFieldBoxes::askingTexts(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    QStringList texts;
    const int index = m_lookup.labelIndex(control, labels);
    if (index < 0)
        return texts;
    for (const SmartLabel* text : Own::ownLabel(labels, index))
        texts << text->text();
    const QList<const SmartLabel*> before = Own::textsBefore(labels, index);
    if (!before.isEmpty())
        texts << before.first()->text();
    texts << control->placeholder();
    // A link to help ("What's this?") and examples ask nothing of the user.
    const SmartKeywords& keywords = m_lookup.keywords();
    for (int i = texts.size() - 1; i >= 0; --i) {
        if (examples(texts.at(i))
            || keywords.answering(K::MoreInfo, m_lookup.hits(texts.at(i)), K::AnyType, m_lookup.scope()))
            texts.removeAt(i);
    }
    return texts;
}

void SmartFieldBoxes::markOwnQuestions(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    const SmartKeywords& keywords = m_lookup.keywords();
    // Most boxes have no text between their neighbouring controls (else
    // their placeholder) that asks a question or holds a recovery question's
    // words.
    const auto mayAsk = [&](const QString& text) {
        return questionSentence(text) || keywords.holdsAny(K::Recovery, m_lookup.hits(text));
    };
    // The kinds a question's words may give a box: the person's names and
    // the login, a town or a street, a part of a birthday, an answer, none.
    const auto askable = [](int kind) {
        return kind == E::KindUndef || kind == E::KindAnswer || kind == E::KindQuestion || kind == E::KindCity
            || kind == E::KindAddress || SmartFieldLookup::isBirthPart(kind)
            || (SmartKeywords::costly(kind) && kind != E::KindEmail && kind != E::KindPassword
                && kind != E::KindTerms);
    };
    const SmartElement* answer = nullptr; // the answer box met last
    for (SmartElement* control : controls) {
        const int kind = control->kind();
        const int index = m_lookup.labelIndex(control, labels);
        // A list nothing else named whose label is a question is one for
        // the user ("How old are you?").
        if (control->type() == E::TypeSelect && kind == E::KindUndef && index >= 0) {
            const QStringList texts = askingTexts(control, labels);
            if (std::any_of(texts.begin(), texts.end(), questionSentence)) {
                control->setKind(E::KindTrash);
                control->setAsksUser(true);
            }
            continue;
        }
        if (control->type() != E::TypeText || index < 0 || control->asksUser() || !askable(kind))
            continue;
        const int from = Steps::previousControl(labels, index) + 1;
        const int end = Steps::afterEnd(labels, index);
        bool asking = kind == E::KindAnswer || (from == index && end == index + 1 && mayAsk(control->placeholder()));
        for (int i = from; i < end && !asking; ++i)
            asking = labels.at(i)->isText() && mayAsk(labels.at(i)->text());
        if (!asking)
            continue;
        const QStringList texts = askingTexts(control, labels);
        const auto repeats = [&](const QString& text) { return m_lookup.holds(K::Repeat, text); };
        // A box that repeats the answer goes with the answer box before it.
        if (kind == E::KindAnswer && answer && answer->asksUser() && std::any_of(texts.begin(), texts.end(), repeats)) {
            control->setAsksUser(true);
            control->setQuestion(answer->question());
            continue;
        }
        for (const QString& text : texts) {
            const bool sentence = questionSentence(text);
            const K::Hits hits = m_lookup.hits(text);
            const bool answers = kind == E::KindAnswer || kind == E::KindQuestion;
            if (keywords.holdsAny(K::Recovery, hits) || (sentence && (keywords.holdsAny(K::Asked, hits) || answers))) {
                control->setKind(E::KindAnswer);
                control->setAsksUser(true);
                control->setQuestion(text.trimmed());
                break;
            }
            // A question the table reads nothing in; one for the user's own
            // data keeps the kind it gave.
            if (sentence) {
                if (kind == E::KindUndef) {
                    control->setKind(E::KindTrash);
                    control->setAsksUser(true);
                }
                break;
            }
        }
        if (control->kind() == E::KindAnswer)
            answer = control;
    }
}

void SmartFieldBoxes::markServiceLogin(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
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
        // would be named so. A number the user already holds in a programme
        // ("Member ID #", "<Programme> ID No.") is such a box too, but never
        // the login: the site checks it against its records.
        const int index = m_lookup.labelIndex(control, labels);
        if ((kind != E::KindUndef && kind != E::KindTrash) || index < 0)
            continue;
        for (const SmartLabel* text : Own::textsBefore(labels, index)) {
            if (!Shape::labelLike(text) || !SmartFieldLookup::loneId(text->text()))
                continue;
            if (!asksHeldNumber(control, text->text()))
                account = control;
            ++accounts;
            break;
        }
    }
    // On a service's own sign-up (a password and no login field) the one
    // account box is the login; two of them are no clear evidence.
    if (password && !login && accounts == 1 && account)
        account->setKind(E::KindLogin);
}

void SmartFieldBoxes::markLoginByName(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    if (SmartElement::containsKind(controls, E::KindLogin))
        return;
    SmartElement* login = nullptr;
    for (SmartElement* control : controls) {
        const int index = m_lookup.labelIndex(control, labels);
        if (control->type() != E::TypeText || index < 0
            || (control->kind() != E::KindUndef && control->kind() != E::KindScreenName))
            continue;
        const QString& name = m_lookup.attributeText(control);
        if (m_lookup.userKind(name, QString(), true, E::TypeText) != E::KindLogin
            && !m_lookup.holds(K::LoginName, name))
            continue;
        QStringList texts{control->title(), control->placeholder()};
        for (const SmartLabel* text : Own::ownLabel(labels, index) + Own::textsBefore(labels, index)
                 + Own::ownTextsAfter(labels, index))
            texts << text->text();
        if (std::any_of(texts.begin(), texts.end(),
                        [&](const QString& text) { return m_lookup.classify(control, text) != E::KindUndef; }))
            continue;
        // Two such boxes are no clear evidence.
        if (login)
            return;
        login = control;
    }
    if (login)
        login->setKind(E::KindLogin);
}

bool SmartFieldBoxes::asksHeldNumber(SmartElement* control, const QString& text) const
{
    const SmartKeywords& keywords = m_lookup.keywords();
    const K::Hits hits = m_lookup.hits(text);
    if (keywords.holdsRowExclusion(K::HeldNumber, E::KindTrash, hits))
        return false;
    if (keywords.answering(K::HeldNumber, hits, control->type(), m_lookup.scope()))
        return true;
    // Whose ID it is, in any words: the word right before the ID, unless it
    // asks for it ("Your", "Enter a") or names a name to sign in by
    // ("User ID"), or the page's title names the service by it ("Tesvar
    // ID" on its own sign-up).
    const QString word = keywords.wordBefore(K::WhoseId, text);
    if (word.isEmpty())
        return false;
    const K::Hits own = m_lookup.hits(word);
    if (keywords.holdsAny(K::Filler, own) || keywords.holdsAny(K::Prompt, own) || keywords.holdsAny(K::User, own)
        || keywords.holdsAny(K::Login, own))
        return false;
    PageDom* dom = control->element().dom();
    return !dom->selectFirst(dom->documentElement(), QStringLiteral("title")).toPlainText().contains(
        word, Qt::CaseInsensitive);
}

void SmartFieldBoxes::markCountryLists(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    SmartFieldLookup::markOpen(controls, E::TypeSelect, [&](SmartElement* control) {
        if (m_lookup.keywords().excludes(E::KindCountry, m_lookup.hitsOf(m_lookup.visibleLabel(control, labels)),
                                         m_lookup.scope()))
            return int(E::KindUndef);
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

bool SmartFieldBoxes::nextWithoutLabel(SmartElement* previous, SmartElement* control,
                                       const QList<SmartLabel*>& labels) const
{
    return Steps::onlySeparatorsBetween(labels, m_lookup.labelIndex(previous, labels),
                                      m_lookup.labelIndex(control, labels));
}

QString SmartFieldBoxes::shownName(const SmartElement* control) const
{
    return m_lookup.attributeText(control) + QLatin1Char(' ') + control->title() + QLatin1Char(' ')
        + control->placeholder();
}

void SmartFieldBoxes::markSplitBoxes(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
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
        if (SmartFieldLookup::isBirthPart(previous->kind()) && control->kind() == E::KindUndef) {
            const int part =
                m_lookup.keywords().kind(K::BirthPart, m_lookup.hits(shownName(control)), K::AnyType, m_lookup.scope());
            if (part != E::KindUndef && part != previous->kind())
                control->setKind(part);
            continue;
        }
        if (previous->type() != E::TypeText)
            continue;
        // A phone over short boxes in one parent (their names may say so
        // too: "fax_a", "fax_b").
        if ((previous->kind() == E::KindPhone || previous->kind() == E::KindFax)
            && Facts::continuesNumber(labels, m_lookup.labelIndex(previous, labels),
                                    m_lookup.labelIndex(control, labels))) {
            control->setKind(previous->kind());
            control->setContinuesPrevious(true);
            continue;
        }
        // A shorter box after a whole number that does not continue it is
        // its extension or suffix ("phoneEx", the ZIP+4 suffix).
        if (control->kind() == previous->kind()
            && (control->kind() == E::KindPhone || control->kind() == E::KindFax || control->kind() == E::KindZipCode)
            && Facts::suffixOf(labels, m_lookup.labelIndex(previous, labels), m_lookup.labelIndex(control, labels))) {
            control->setKind(E::KindTrash);
            continue;
        }
        // The details are written once: a box right under them, with no
        // label of its own, adds nothing ("Address" over the street, the
        // details and "address2").
        if (previous->kind() == E::KindAddressDetails && control->kind() == E::KindAddressDetails
            && !Own::underCaptions(labels, m_lookup.labelIndex(control, labels))) {
            control->setKind(E::KindTrash);
            continue;
        }
        // A box right under the street, with no label of its own, holds the
        // rest of the address (one beside it under a caption of its own,
        // "Street | No.", does not).
        if (previous->kind() == E::KindAddress
            && (control->kind() == E::KindUndef || control->kind() == E::KindAddress)
            && !Own::underCaptions(labels, m_lookup.labelIndex(control, labels))) {
            control->setKind(E::KindAddressDetails);
            continue;
        }
        // A name over two boxes under one "Name": the box's own name tells
        // the part ("dnrfirst", "dnrlast"). Under a label of the whole name
        // ("Name (first, last)", "First & last name") the first box takes the
        // first name and the next the last, unless its name says the middle.
        if (control->kind() == E::KindUndef && previous->kind() == E::KindFullName) {
            const int part = m_lookup.namePartByNames(control);
            previous->setKind(E::KindFirstName);
            control->setKind(part == E::KindMiddleName ? part : int(E::KindLastName));
            continue;
        }
        if (control->kind() == E::KindUndef
            && (previous->kind() == E::KindFirstName || previous->kind() == E::KindMiddleName)) {
            const int part = m_lookup.namePartByNames(control);
            if ((part == E::KindMiddleName || part == E::KindLastName) && part != previous->kind())
                control->setKind(part);
        }
    }
}

void SmartFieldBoxes::markSingleCharacters(QList<SmartElement*>& controls)
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

bool SmartFieldBoxes::showsNoWords(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    const PageElement& box = control->element();
    for (const char* attribute : {"placeholder", "title", "aria-label", "aria-labelledby"}) {
        if (!box.attribute(QLatin1String(attribute)).trimmed().isEmpty())
            return false;
    }
    const int index = m_lookup.labelIndex(control, labels);
    return index >= 0 && m_lookup.ownTexts(control, labels).isEmpty() && Own::textsBefore(labels, index).isEmpty()
        && Own::ownTextsAfter(labels, index).isEmpty();
}

void SmartFieldBoxes::markPasswordBoxes(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
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

void SmartFieldBoxes::markCardBlock(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    // A card's word that starts the names of the address's fields too
    // ("cc_city", "cc_postal_code") names the section, not a card's field.
    const SmartKeywords& keywords = m_lookup.keywords();
    const K::Hits cardWords = keywords.wordsOf(K::Card);
    K::Hits section;
    for (const SmartElement* control : controls) {
        if (isAddressPart(control->kind()))
            section |= m_lookup.hits(m_lookup.attributeText(control)) & cardWords;
    }
    // A word of a card inside another word is none ("ContentPlaceHolder").
    const auto namesCard = [&](const K::Hits& hits) {
        return keywords.answering(K::Card, hits, K::AnyType, m_lookup.scope()) != nullptr;
    };
    // A tick ("Save my card") or a choice of payment is no field of a card.
    // The fields between two of a card's, a few in a row (its holder's
    // names, its code), are the card's too; more are a section of their own
    // (the member's contact details between a gift card and the payment).
    int previous = -1;
    for (int i = 0; i < controls.size(); ++i) {
        SmartElement* control = controls.at(i);
        if (control->type() == E::TypeCheckBox || control->type() == E::TypeRadio)
            continue;
        const K::Hits named = m_lookup.hits(m_lookup.attributeText(control));
        bool card = (named & cardWords & ~section).any() && namesCard(named);
        // Its own label lies between its neighbouring controls: without a
        // card's word there, it names none.
        const int index = m_lookup.labelIndex(control, labels);
        bool cardWord = false;
        for (int j = index < 0 ? 0 : Steps::previousControl(labels, index) + 1, end = Steps::afterEnd(labels, index);
             !card && !cardWord && index >= 0 && j < end; ++j)
            cardWord = labels.at(j)->isText() && (m_lookup.hits(labels.at(j)->text()) & cardWords).any();
        if (!card && cardWord) {
            for (const SmartLabel* text : m_lookup.ownLabel(control, labels))
                card = card || namesCard(m_lookup.hits(text->text()));
        }
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

int SmartFieldBoxes::addressLine(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    // A number beside words of an address: "s3" numbers no line.
    const auto lineOf = [&](const QString& text) {
        return m_lookup.holds(K::Address, text) ? SmartTextLookup::addressLine(text) : 0;
    };
    // The label lies between the neighbouring controls: without a digit
    // there, it numbers nothing.
    const int index = m_lookup.labelIndex(control, labels);
    const int end = index < 0 ? 0 : Steps::afterEnd(labels, index);
    bool digits = false;
    for (int i = index < 0 ? 0 : Steps::previousControl(labels, index) + 1; i < end && !digits; ++i) {
        const QString& text = labels.at(i)->text();
        digits = std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
    }
    for (const SmartLabel* text : digits ? m_lookup.visibleLabel(control, labels) : QList<const SmartLabel*>()) {
        if (const int line = lineOf(text->text()))
            return line;
    }
    return lineOf(m_lookup.attributeText(control));
}

bool SmartFieldBoxes::asksFor(const QList<SmartElement*>& controls, int part, const QList<SmartLabel*>& labels) const
{
    // A list of states asks for one as a box does, though it stays empty.
    const auto names = [&](const QString& text) {
        return m_lookup.kindOf(K::Contact, text, E::TypeText) == part
            || (part == E::KindCountry && m_lookup.isCountry(text, E::TypeText));
    };
    for (SmartElement* control : controls) {
        if (control->kind() == part)
            return true;
        if (control->kind() != E::KindUndef && control->kind() != E::KindTrash)
            continue;
        if (names(m_lookup.attributeText(control)))
            return true;
        for (const SmartLabel* text : m_lookup.visibleLabel(control, labels)) {
            if (names(text->text()))
                return true;
        }
    }
    return false;
}

void SmartFieldBoxes::markAddressLines(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    // A postal code named by words that need an address around it ("PIN
    // code") stands inside one: where the form asks no street, town or
    // region, it is left alone.
    const bool inside = !SmartElement::containsKind(controls, E::KindZipCode)
        || asksFor(controls, E::KindAddress, labels) || asksFor(controls, E::KindCity, labels)
        || asksFor(controls, E::KindState, labels);
    for (SmartElement* control : inside ? QList<SmartElement*>() : controls) {
        if (control->kind() != E::KindZipCode)
            continue;
        const K::Row* row =
            m_lookup.keywords().answering(K::Contact, m_lookup.hitsOf(m_lookup.visibleLabel(control, labels)),
                                          control->type(), m_lookup.scope());
        if (row && *row->context)
            control->setKind(E::KindUndef);
    }
    // The parts of an address the third to fifth lines stand for.
    static const int parts[] = {E::KindCity, E::KindState, E::KindCountry};
    // The street comes first: a form's first line is its street, whatever
    // its number.
    bool street = false;
    for (SmartElement* control : controls) {
        if (control->kind() != E::KindAddress || control->type() != E::TypeText)
            continue;
        const int line = addressLine(control, labels);
        if (line < 3 || !street) {
            street = true;
            continue;
        }
        const int part = line - 3 < 3 ? parts[line - 3] : int(E::KindUndef);
        const K::Hits words =
            m_lookup.hitsOf(m_lookup.visibleLabel(control, labels)) | m_lookup.hits(m_lookup.attributeText(control));
        const bool free = part != E::KindUndef && !m_lookup.keywords().namesOther(words);
        control->setKind(free && !asksFor(controls, part, labels) ? part : int(E::KindTrash));
    }
    // The details go once, into the line after the street: a further line
    // after a town, postal, region or country box takes the region where
    // the form has no box of its own for it, else nothing; one its words
    // call the flat or unit ("Apt", "Suite") keeps them. A new street starts
    // another address (billing beside delivery).
    bool details = false;
    bool between = false;
    for (SmartElement* control : controls) {
        const int kind = control->kind();
        if (kind == E::KindAddress) {
            details = between = false;
            continue;
        }
        between = between || (details && isAddressPart(kind) && kind != E::KindAddressDetails);
        if (kind != E::KindAddressDetails || control->type() != E::TypeText)
            continue;
        if (!between) {
            details = true;
            continue;
        }
        const K::Hits words =
            m_lookup.hitsOf(m_lookup.visibleLabel(control, labels)) | m_lookup.hits(m_lookup.attributeText(control));
        const SmartKeywords& keywords = m_lookup.keywords();
        if (keywords.rank(K::Address, words, control->type(), m_lookup.scope()) == 0)
            continue;
        const bool free = !keywords.namesOther(words) && !asksFor(controls, E::KindState, labels);
        control->setKind(free ? int(E::KindState) : int(E::KindTrash));
    }
}

} // namespace Vexal
