#include "automation/smart/SmartFieldPeople.h"

#include "automation/smart/ConstSmart.h"
#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartFieldLookup.h"
#include "automation/smart/SmartLabel.h"
#include "automation/smart/SmartLabelSteps.h"
#include "automation/smart/SmartOwnTexts.h"
#include "automation/smart/SmartUtils.h"

#include <QDate>
#include <QRegularExpression>
#include <QSet>
#include <QVector>

namespace Vexal {

using E = SmartElement;
using K = SmartKeywords;
namespace Own = SmartOwnTexts;
namespace Steps = SmartLabelSteps;

void SmartFieldPeople::markNameParts(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    // The part each open text field's own texts name, and whether they name
    // it bare ("First", "Family") or as a name ("First name", "Surname").
    QVector<int> kinds(controls.size(), E::KindUndef);
    QVector<bool> bare(controls.size(), false);
    for (int i = 0; i < controls.size(); ++i) {
        SmartElement* control = controls.at(i);
        const int index = control->kind() == E::KindUndef && control->type() == E::TypeText
            ? m_lookup.labelIndex(control, labels)
            : -1;
        if (index < 0)
            continue;
        // Else, under a row of captions ("First | Mid. | Last"), the caption
        // over it.
        bool isBare = false;
        for (const SmartLabel* text : Own::ownTextsBefore(labels, index) + Own::ownTextsAfter(labels, index)) {
            kinds[i] = m_lookup.namePart(text->text(), &isBare);
            if (kinds.at(i) != E::KindUndef)
                break;
        }
        if (kinds.at(i) == E::KindUndef && Own::underCaptions(labels, index)) {
            for (const SmartLabel* text : Own::textsBefore(labels, index)) {
                kinds[i] = m_lookup.namePart(text->text(), &isBare);
                if (kinds.at(i) != E::KindUndef)
                    break;
            }
        }
        bare[i] = isBare;
    }
    // A bare part is one of a name split into fields: a neighbour names
    // another part.
    for (int i = 0; i < controls.size(); ++i) {
        if (kinds.at(i) == E::KindUndef)
            continue;
        const bool split = (i > 0 && kinds.at(i - 1) != E::KindUndef && kinds.at(i - 1) != kinds.at(i))
            || (i + 1 < controls.size() && kinds.at(i + 1) != E::KindUndef && kinds.at(i + 1) != kinds.at(i));
        if (!bare.at(i) || split)
            controls.at(i)->setKind(kinds.at(i));
    }
}

int SmartFieldPeople::birthKind(SmartElement* control) const
{
    const PageElement first = control->element().firstChild();
    if (first.isNull())
        return E::KindUndef;
    return m_lookup.kindOf(K::BirthPart, first.toPlainText(), control->type());
}

void SmartFieldPeople::markBirth(QList<SmartElement*>& controls)
{
    SmartFieldLookup::markOpen(controls, E::TypeSelect, [this](SmartElement* control) { return birthKind(control); });
}

bool SmartFieldPeople::namesOtherDate(const QString& text) const
{
    const K::Hits hits = m_lookup.hits(text);
    const SmartKeywords& keywords = m_lookup.keywords();
    if (!keywords.holdsAny(K::DateWord, hits) || keywords.holdsContext(K::BirthPart, E::KindBirthYear, hits))
        return false;
    static const QRegularExpression gaps(QStringLiteral("[^\\p{L}]+"));
    bool other = false;
    for (const QString& word : text.split(gaps, Qt::SkipEmptyParts)) {
        if (word.size() >= 4 && !m_lookup.holds(K::DateWord, word) && !m_lookup.holds(K::Filler, word)) {
            other = true;
            break;
        }
    }
    // An age rule names an age, no date: in words of age ("18 years old",
    // "13 years or older"), as a number of years ("over 16 years", "18+
    // years"), with a "+" ("18+ on the day you join"), or as a number of two
    // digits standing alone ("must be 16 by the date of joining"). Another
    // date is named in words ("Year of graduation"); a time or a date in
    // digits ("14:00", "12/25") holds no age.
    static const QRegularExpression amount(
        QStringLiteral("\\d\\s*\\+?\\s*-?\\s*(year|month|day)s?\\b|\\d\\s*\\+|(?<![\\d:/.])\\d\\d(?!\\d|[:/.]\\d)"),
        QRegularExpression::CaseInsensitiveOption);
    return other && !keywords.holdsAny(K::AgeRule, hits) && !amount.match(text).hasMatch();
}

QStringList SmartFieldPeople::dateTexts(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    // The whole id and name: the containers a framework named the list
    // after tell the date it stands in ("dob[year]").
    QStringList texts{control->id() + QLatin1Char(' ') + control->name()};
    const PageElement first = control->element().firstChild();
    if (!first.isNull())
        texts << first.toPlainText();
    const int index = m_lookup.labelIndex(control, labels);
    if (index >= 0) {
        for (const SmartLabel* text : Own::textsBefore(labels, index) + Own::ownTextsAfter(labels, index))
            texts << text->text();
    }
    return texts;
}

bool SmartFieldPeople::wholePastDate(const QList<SmartElement*>& group)
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

void SmartFieldPeople::confirmBirth(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    // The parts of one date stand next to each other.
    for (int start = 0; start < controls.size();) {
        if (!SmartFieldLookup::isBirthPart(controls.at(start)->kind())
            || controls.at(start)->type() != E::TypeSelect) {
            ++start;
            continue;
        }
        int end = start;
        while (end < controls.size() && SmartFieldLookup::isBirthPart(controls.at(end)->kind())
               && controls.at(end)->type() == E::TypeSelect)
            ++end;
        const QList<SmartElement*> group = controls.mid(start, end - start);
        bool birth = false;
        QVector<bool> other(group.size(), false);
        for (int i = 0; i < group.size(); ++i) {
            for (const QString& text : dateTexts(group.at(i), labels)) {
                if (m_lookup.keywords().holdsContext(K::BirthPart, group.at(i)->kind(), m_lookup.hits(text)))
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

int SmartFieldPeople::partByOptions(const SmartElement* control) const
{
    const SmartKeywords& keywords = m_lookup.keywords();
    const PageElement& select = control->element();
    int count = 0;
    int numbers = 0;
    int least = 0;
    int most = 0;
    // The first choice when it is a word with no value ("TT", "Giorno"):
    // a prompt in words the table does not read, where the others are the
    // part's numbers or a month's names.
    bool wordFirst = false;
    bool noValueFirst = false;
    for (const PageElement& option : select.dom()->select(select, ConstSmart::tagOption())) {
        const QString text = option.toPlainText().trimmed();
        bool number = false;
        const int value = text.toInt(&number);
        // An option that only asks for a choice ("--", "Month", "Select
        // day") is none of the parts.
        if (!number && (!SmartUtils::hasLetter(text) || keywords.holdsAny(K::Filler, m_lookup.hits(text))
                        || keywords.holdsAny(K::Prompt, m_lookup.hits(text))))
            continue;
        if (++count == 1 && !number) {
            wordFirst = true;
            const QString given = option.attribute(QStringLiteral("value")).trimmed();
            noValueFirst = option.hasAttribute(QStringLiteral("value"))
                && (given.isEmpty() || given == QLatin1String("0") || given == QLatin1String("-1"));
        }
        if (!number)
            continue;
        least = numbers == 0 ? value : qMin(least, value);
        most = numbers == 0 ? value : qMax(most, value);
        ++numbers;
    }
    if (count == 0)
        return E::KindUndef;
    // Twelve names are the months, in any language.
    if (numbers == 0)
        return count == 12 || (count == 13 && noValueFirst) ? int(E::KindBirthMonth) : int(E::KindUndef);
    if (wordFirst && numbers == count - 1)
        --count;
    if (numbers < count || least < 1)
        return E::KindUndef;
    if (least >= 1900 && most <= QDate::currentDate().year())
        return E::KindBirthYear;
    if (most == 12)
        return E::KindBirthMonth;
    return most >= 28 && most <= 31 ? int(E::KindBirthDay) : int(E::KindUndef);
}

void SmartFieldPeople::markBirthByGroup(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    const SmartKeywords& keywords = m_lookup.keywords();
    int previous = -1; // the entry of the date part found last
    // Whether the form holds a fieldset to look for around a control (read
    // once: -1 not yet).
    int fieldsets = -1;
    for (SmartElement* control : controls) {
        const int index = m_lookup.labelIndex(control, labels);
        if (SmartFieldLookup::isBirthPart(control->kind()))
            previous = index;
        const bool list = control->type() == E::TypeSelect;
        if (control->kind() != E::KindUndef || (control->type() != E::TypeText && !list) || index < 0)
            continue;
        // The part its own words name, bare ("Year", "DD"): its label, the
        // caption over it, its title or placeholder, its own part. A list's
        // options tell it once its group speaks of the birth.
        const PageElement& box = control->element();
        int part = E::KindUndef;
        if (!list) {
            QStringList own{box.attribute(ConstSmart::attrTitle()), box.attribute(QStringLiteral("placeholder")),
                            m_lookup.attributeText(control)};
            for (const SmartLabel* text : m_lookup.visibleLabel(control, labels))
                own.prepend(text->text());
            for (int i = 0; i < own.size() && part == E::KindUndef; ++i)
                part = keywords.kind(K::BirthPart, m_lookup.hits(own.at(i)), K::AnyType, m_lookup.scope());
            if (part == E::KindUndef)
                continue;
        }
        // The birth from its group: the date part beside it, the containers
        // of its id and name, the legend of its fieldset, the texts before
        // it (the heading over a row of captions).
        bool birth = (previous >= 0 && Steps::onlySeparatorsBetween(labels, previous, index))
            || m_lookup.holds(K::BirthWord, control->id() + QLatin1Char(' ') + control->name());
        for (const SmartLabel* text : birth ? QList<const SmartLabel*>() : Own::textsBefore(labels, index))
            birth = birth || m_lookup.holds(K::BirthWord, text->text());
        if (!birth && fieldsets < 0) {
            const PageElement& form = control->form();
            fieldsets = form.isNull() || !form.dom()->selectFirst(form, QStringLiteral("fieldset")).isNull();
        }
        for (PageElement e = box.parent(); !birth && fieldsets && !e.isNull() && !SmartUtils::isFormOrBody(e);
             e = e.parent()) {
            if (SmartUtils::equalsNoCase(e.tagName(), QStringLiteral("FIELDSET"))) {
                birth = m_lookup.holds(K::BirthWord, e.dom()->selectFirst(e, QStringLiteral("legend")).toPlainText());
                break;
            }
        }
        if (list && birth)
            part = partByOptions(control);
        if (part != E::KindUndef && birth) {
            control->setKind(part);
            previous = index;
        }
    }
}

void SmartFieldPeople::markNameBesideSurname(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    if (SmartElement::containsKind(controls, E::KindFirstName) || !SmartElement::containsKind(controls, E::KindLastName))
        return;
    for (SmartElement* control : controls) {
        if (control->kind() != E::KindFullName || control->type() != E::TypeText)
            continue;
        // Only a bare name ("Name", "Your name"); a full name says so.
        if (m_lookup.nameKind(m_lookup.attributeText(control)) == E::KindFullName)
            return;
        const int index = m_lookup.labelIndex(control, labels);
        if (index < 0)
            return;
        for (const SmartLabel* text : Own::textsBefore(labels, index) + Own::ownTextsAfter(labels, index)) {
            const int kind = m_lookup.nameKind(text->text());
            if (kind == E::KindUser)
                control->setKind(E::KindFirstName);
            if (kind != E::KindUndef)
                return;
        }
        return;
    }
}

bool SmartFieldPeople::asksOwnAddress(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    // The whole name: the groups of a path ("billing[first]") say it too.
    if (m_lookup.holds(K::OwnAddress, control->id() + QLatin1Char(' ') + control->name()))
        return true;
    const int index = m_lookup.labelIndex(control, labels);
    for (const SmartLabel* text : index < 0 ? QList<const SmartLabel*>() : Own::textsBefore(labels, index)) {
        if (m_lookup.holds(K::OwnAddress, text->text()))
            return true;
    }
    return false;
}

void SmartFieldPeople::markRepeats(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
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
