#include "automation/smart/SmartBoxFacts.h"

#include "automation/smart/ConstSmart.h"
#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartKeywords.h"
#include "automation/smart/SmartLabel.h"
#include "automation/smart/SmartLabelSteps.h"
#include "automation/smart/SmartOwnTexts.h"
#include "automation/smart/SmartUtils.h"

#include <QRegularExpression>

namespace Vexal {

namespace SmartBoxFacts {

using SmartLabelSteps::afterEnd;
using SmartLabelSteps::onlySeparatorsBetween;
using SmartOwnTexts::ownTexts;
using SmartOwnTexts::ownTextsAfter;
using SmartOwnTexts::within;
using SmartUtils::hasLetter;

namespace {

// The words of a text, lower case, split at everything but letters and digits.
QStringList wordsOf(const QString& text)
{
    QStringList words;
    QString word;
    const QString folded = text.toCaseFolded() + QLatin1Char(' ');
    for (const QChar c : folded) {
        if (c.isLetterOrNumber()) {
            word += c;
        } else if (!word.isEmpty()) {
            words << word;
            word.clear();
        }
    }
    return words;
}

// A text that asks for a choice instead of being one: nothing but marks,
// a request ("Select...", "Choose one") or the bare name of the field
// ("Month", "Year of birth", "Your country").
bool isPromptText(const QString& text)
{
    const SmartKeywords& table = SmartKeywords::standard();
    if (table.holdsAny(SmartKeywords::Filler, table.scan(text)))
        return true;
    for (const QString& word : wordsOf(text)) {
        if (!table.holdsAny(SmartKeywords::Prompt, table.scan(word)))
            return false;
    }
    return true;
}

// The text as the page shows it, for the few character references that
// stand around an "@" (texts are read from the markup).
QString shownText(QString raw)
{
    raw.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
    raw.replace(QLatin1String("&#64;"), QLatin1String("@"));
    raw.replace(QLatin1String("&#x40;"), QLatin1String("@"));
    raw.replace(QLatin1String("&commat;"), QLatin1String("@"));
    return raw.trimmed();
}

bool isTag(const PageElement& element, const QString& tag)
{
    return SmartUtils::equalsNoCase(element.tagName(), tag);
}

// A box the user fills with a few characters: "maxlength" or else "size" of
// at most five.
bool isShortBox(const PageElement& box)
{
    const int length = boxLength(box);
    return length > 0 && length <= 5;
}

} // namespace

int boxLength(const PageElement& box)
{
    bool ok = false;
    int length = box.attribute(QStringLiteral("maxlength")).toInt(&ok);
    if (!ok || length <= 0)
        length = box.attribute(QStringLiteral("size")).toInt(&ok);
    return ok && length > 0 ? length : -1;
}

bool followedByDomain(const QList<SmartLabel*>& labels, int index)
{
    static const QRegularExpression domain(QStringLiteral("^@\\s*[\\w-]+(\\.[\\w-]+)+"));
    static const QRegularExpression wholeDomain(QStringLiteral("^@\\s*[\\w-]+(\\.[\\w-]+)+$"));
    if (index < 0)
        return false;
    const int next = afterEnd(labels, index);
    const PageElement list = next < labels.size() && isTag(labels.at(next)->element(), ConstSmart::tagSelect())
        ? labels.at(next)->element() : PageElement();
    // Without a choice list after it, only an "@" among the texts up to the
    // next control (or a character reference, which may write one) tells.
    bool at = false;
    for (int i = index + 1; i < next && !at; ++i)
        at = labels.at(i)->text().contains(QLatin1Char('@')) || labels.at(i)->text().contains(QLatin1Char('&'));
    if (!at && list.isNull())
        return false;
    // The text that runs on from the box in its parent, else its own text
    // after it (the next cell of its row).
    QList<const SmartLabel*> after = ownTextsAfter(labels, index);
    if (index + 1 < next && within(labels.at(index + 1), labels.at(index)->element().parent()))
        after.prepend(labels.at(index + 1));
    if (!after.isEmpty()) {
        const QString text = shownText(after.first()->text());
        if (domain.match(text).hasMatch() || (text == QLatin1String("@") && !list.isNull()))
            return true;
    }
    if (list.isNull())
        return false;
    for (const PageElement& option : list.dom()->select(list, ConstSmart::tagOption())) {
        if (wholeDomain.match(option.toPlainText().trimmed()).hasMatch())
            return true;
    }
    return false;
}

QString withoutRequiredWords(const QString& text, const SmartKeywords& keywords)
{
    static const QRegularExpression bracketed(QStringLiteral("\\s*[(\\[]([^()\\[\\]]*)[)\\]]"));
    QString out = text;
    if (!text.contains(QLatin1Char('(')) && !text.contains(QLatin1Char('[')))
        return out;
    for (auto it = bracketed.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString inside = match.captured(1);
        if (SmartLabel::countWords(inside) <= 2 && keywords.holdsAny(SmartKeywords::RequiredNote, keywords.scan(inside)))
            out.replace(match.captured(0), QString());
    }
    return out;
}

namespace {

// The marks pages put beside what a form must have.
bool isStar(QChar c)
{
    return c == QLatin1Char('*') || c == QChar(0x2217) || c == QChar(0xFF0A) || c == QChar(0x2731);
}

// The attributes page frameworks mark a box they require by, unless the
// value says no ("false", "0").
const char* const frameworkMarks[] = {"data-val-required", "data-required", "data-parsley-required",
                                      "data-rule-required", "ng-required"};

// A framework's own mark on the box: a word of the table's RequiredNote rows
// in its class ("required", "validate[required]", "required-entry",
// "mandatory") or one of its attributes; for a radio, a required group
// around it (role="radiogroup" aria-required="true"). A check box is left
// out: frameworks mark every yes-or-no field so (each bool field of a
// model), though ticking it is the user's choice.
bool markedByFramework(const PageElement& box, int type, const SmartKeywords& keywords)
{
    if (type == SmartElement::TypeCheckBox)
        return false;
    if (keywords.holdsAny(SmartKeywords::RequiredNote, keywords.scan(box.attribute(QStringLiteral("class")))))
        return true;
    for (const char* mark : frameworkMarks) {
        const QString name = QLatin1String(mark);
        if (!box.hasAttribute(name))
            continue;
        const QString value = box.attribute(name).trimmed();
        if (value != QLatin1String("0") && value.compare(QLatin1String("false"), Qt::CaseInsensitive) != 0)
            return true;
    }
    if (type != SmartElement::TypeRadio)
        return false;
    for (PageElement e = box.parent(); !e.isNull() && !SmartUtils::isFormOrBody(e); e = e.parent()) {
        if (SmartUtils::equalsNoCase(e.attribute(QStringLiteral("role")), QStringLiteral("radiogroup")))
            return SmartUtils::equalsNoCase(e.attribute(QStringLiteral("aria-required")).trimmed(),
                                            QStringLiteral("true"));
    }
    return false;
}

} // namespace

bool required(const PageElement& box, int type, const QList<SmartLabel*>& labels, int index,
              const SmartKeywords& keywords)
{
    if (box.hasAttribute(QStringLiteral("required"))
        || SmartUtils::equalsNoCase(box.attribute(QStringLiteral("aria-required")).trimmed(), QStringLiteral("true")))
        return true;
    if (index < 0)
        return markedByFramework(box, type, keywords);
    const int next = afterEnd(labels, index);
    // The next control takes text, beside this box or anywhere.
    const auto nextTakesText = [&](bool beside) {
        if (next >= labels.size())
            return false;
        const PageElement& other = labels.at(next)->element();
        const int nextType = SmartElement::typeOf(other);
        return nextType != SmartElement::TypeCheckBox && nextType != SmartElement::TypeRadio
            && (!beside || other.parent() == box.parent());
    };
    for (const SmartLabel* text : ownTexts(labels, index)) {
        const QString trimmed = text->text().trimmed();
        const bool after = !trimmed.isEmpty() && isStar(trimmed.back());
        const bool before = !trimmed.isEmpty() && isStar(trimmed.front());
        if (after || before) {
            // A star alone may end the note before it ("Required field <span>*</span>").
            const int at = labels.indexOf(const_cast<SmartLabel*>(text));
            const QString note = !hasLetter(trimmed) && at > 0 && labels.at(at - 1)->isText()
                ? labels.at(at - 1)->text() + trimmed : trimmed;
            if (keywords.holdsAny(SmartKeywords::RequiredNote, keywords.scan(note)))
                continue;
            // A star right before the next box that takes text marks that
            // box: after a caption in the box's parent ("Street *"), or
            // before a caption anywhere ("* State:").
            if (at == next - 1 && nextTakesText(after))
                continue;
            return true;
        }
        if (withoutRequiredWords(trimmed, keywords) != trimmed)
            return true;
    }
    return markedByFramework(box, type, keywords);
}

bool continuesNumber(const QList<SmartLabel*>& labels, int from, int to)
{
    if (from < 0 || to <= from)
        return false;
    const PageElement& first = labels.at(from)->element();
    const PageElement& second = labels.at(to)->element();
    return isShortBox(first) && isShortBox(second) && first.parent() == second.parent()
        && onlySeparatorsBetween(labels, from, to);
}

bool suffixOf(const QList<SmartLabel*>& labels, int from, int to)
{
    if (from < 0 || to <= from)
        return false;
    const PageElement& first = labels.at(from)->element();
    const PageElement& second = labels.at(to)->element();
    const int whole = boxLength(first);
    const int part = boxLength(second);
    return part > 0 && (whole < 0 || part < whole) && first.parent() == second.parent()
        && onlySeparatorsBetween(labels, from, to);
}

bool isPlaceholder(const PageElement& option)
{
    if (!option.hasAttribute(QStringLiteral("value")))
        return false;
    const QString value = option.attribute(QStringLiteral("value")).trimmed();
    const bool noValue = value.isEmpty() || value == QLatin1String("-1") || value == QLatin1String("0")
        || wordsOf(value).isEmpty();
    return noValue && isPromptText(option.toPlainText());
}

bool isPrompt(const QString& text)
{
    static const QRegularExpression marked(QStringLiteral(
        "^\\s*(?:[-=*_.\u2013\u2014]+\\s*\\S.*\\S\\s*[-=*_.\u2013\u2014]+|\\[.*\\]|<.*>|\\S.*(?:\\.\\.\\.|\u2026))\\s*$"));
    return isPromptText(text) || marked.match(text).hasMatch();
}

} // namespace SmartBoxFacts

} // namespace Vexal
