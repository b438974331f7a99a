#include "automation/smart/SmartFillReport.h"

#include "automation/smart/SmartBoxFacts.h"
#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartKeywords.h"
#include "automation/smart/SmartLabel.h"
#include "automation/smart/SmartLabelShape.h"
#include "automation/smart/SmartOwnTexts.h"
#include "automation/smart/SmartUtils.h"
#include "texts/LocaleMessage.h"

#include <QRegularExpression>
#include <QTextDocumentFragment>

#include <algorithm>

namespace Vexal {

namespace {

using E = SmartElement;

// The most boxes a list of the notice names; the others it counts.
constexpr int mostNamed = 10;
// A label longer than this is cut after a word.
constexpr int longestName = 60;

// Why a box the form needs holds nothing, by what the fill's last write did
// to it.
const struct {
    SmartFillReport::Outcome outcome;
    QString (*reason)();
} byOutcome[] = {
    {SmartFillReport::Written, &LocaleMessage::emptyNotKept},
    {SmartFillReport::NoValue, &LocaleMessage::emptyNoValue},
    {SmartFillReport::NoOption, &LocaleMessage::emptyNoOption},
    {SmartFillReport::Unticked, &LocaleMessage::emptyUnticked},
};

// Why, for a box the fill did not write, by what recognition made of it
// and the words the notice names it by: the first row that holds.
const struct {
    bool (*holds)(const SmartElement& control, const SmartKeywords& keywords, const SmartKeywords::Hits& named);
    QString (*reason)();
} byRecognition[] = {
    // A box whose agreement recognition cannot tell is the user's to tick.
    {[](const SmartElement& control, const SmartKeywords&, const SmartKeywords::Hits&) {
         return control.asksUser() && control.type() == E::TypeCheckBox;
     },
     &LocaleMessage::emptyTickIfYouAgree},
    // A question that tests the user, or one of his own, is his to answer.
    {[](const SmartElement& control, const SmartKeywords&, const SmartKeywords::Hits&) { return control.asksUser(); },
     &LocaleMessage::emptyAsksUser},
    // Words that name what the profile holds nothing for (a company, a tax
    // number, a card, another name).
    {[](const SmartElement&, const SmartKeywords& keywords, const SmartKeywords::Hits& named) {
         return keywords.namesOther(named);
     },
     &LocaleMessage::emptyNoValue},
};

// True where the box declares the state to assistive technology
// (aria-readonly="true"): the page shows it as one no user types into.
bool declaredTrue(const PageElement& box, const char* attribute)
{
    return SmartUtils::equalsNoCase(box.attribute(QLatin1String(attribute)).trimmed(), QStringLiteral("true"));
}

// A label's words without the marks around them: "* E-mail address:"
// gives "E-mail address".
QString labelWords(const QString& text)
{
    static const QRegularExpression marks(QStringLiteral("^[\\s*:]+|[\\s*:]+$"));
    QString words = text.simplified();
    words.remove(marks);
    return words;
}

// A text of the label sequence as the page shows it. A text that runs
// between child elements is read from the markup, where "&amp;" stands for
// "&" and "&lt;" for "<"; a text that is all an element holds is read as
// shown, its "&" and "<" the page's own.
QString shownText(const SmartLabel* text)
{
    const QString& raw = text->text();
    if (text->source().firstChild().isNull()
        || (!raw.contains(QLatin1Char('&')) && !raw.contains(QLatin1Char('<'))))
        return raw;
    return QTextDocumentFragment::fromHtml(raw).toPlainText();
}

// A name as the page writes it, set apart from the program's words around
// it: a name that holds right-to-left letters or direction marks stands in
// an isolate of its own, so that it turns nothing of the line around. A
// name of left-to-right letters reads the same either way.
QString setApart(const QString& name)
{
    const bool turns = std::any_of(name.begin(), name.end(), [](QChar c) {
        switch (c.direction()) {
        case QChar::DirR: case QChar::DirAL: case QChar::DirAN: case QChar::DirRLE: case QChar::DirRLO:
        case QChar::DirLRE: case QChar::DirLRO: case QChar::DirPDF: case QChar::DirRLI: case QChar::DirLRI:
        case QChar::DirFSI: case QChar::DirPDI:
            return true;
        default:
            return false;
        }
    });
    return turns ? QChar(0x2068) + name + QChar(0x2069) : name;
}

// How the notice names a box: by its name (SmartFillReport::boxName), else
// by its place among the form's boxes.
QString named(const PageElement& box, const QString& name, const QList<SmartLabel*>& labels)
{
    if (!name.isEmpty())
        return setApart(name);
    int place = 0;
    for (const SmartLabel* entry : labels) {
        if (entry->isText())
            continue;
        ++place;
        if (entry->element() == box)
            return LocaleMessage::unlabelledBox(QString::number(place));
    }
    return LocaleMessage::boxWithoutLabel();
}

// At most the first boxes of a list, then how many more it holds.
QStringList capped(QStringList lines)
{
    if (lines.size() > mostNamed) {
        const int more = lines.size() - mostNamed;
        lines.erase(lines.begin() + mostNamed, lines.end());
        lines << LocaleMessage::andMore(QString::number(more));
    }
    return lines;
}

// A choice list left at its prompt: no option chosen, or the chosen one
// asks for a choice: its value is empty, or it is a placeholder
// (SmartBoxFacts::isPlaceholder), or it is the list's first and its value is
// "0" or "-1" ("-- Bitte wählen --" in any language), or, without a value,
// only marks ("---") or a request ("Select...") stand in it.
bool atPrompt(const PageElement& list)
{
    bool ok = false;
    const int index = list.dom()->heldValue(list).toInt(&ok);
    const PageElements options = list.dom()->select(list, QStringLiteral("option"));
    if (!ok || index < 0 || index >= options.size())
        return true;
    const PageElement& option = options.at(index);
    if (SmartBoxFacts::isPlaceholder(option))
        return true;
    if (!option.hasAttribute(QStringLiteral("value")))
        return index == 0 && SmartBoxFacts::isPrompt(option.toPlainText());
    const QString value = option.attribute(QStringLiteral("value")).trimmed();
    return value.isEmpty() || (index == 0 && (value == QLatin1String("0") || value == QLatin1String("-1")));
}

// Whether the box holds nothing now, as leftEmpty counts it.
bool holdsNothing(const PageElement& box, int type)
{
    if (type == E::TypeSelect)
        return atPrompt(box);
    return box.dom()->heldValue(box).trimmed().isEmpty();
}

// A box the page draws fully transparent, itself or inside a block that is,
// up to its form: a trap for robots no user sees.
bool transparent(const PageElement& box)
{
    for (PageElement e = box; !e.isNull() && !SmartUtils::isFormOrBody(e); e = e.parent()) {
        bool ok = false;
        const double opacity =
            e.dom()->style(e, QStringLiteral("opacity"), PageDom::ComputedStyle).trimmed().toDouble(&ok);
        if (ok && opacity <= 0)
            return true;
    }
    return false;
}

} // namespace

void SmartFillReport::clear()
{
    *this = SmartFillReport();
}

void SmartFillReport::setForm(const PageElement& root)
{
    if (m_root.isNull())
        m_root = root;
}

void SmartFillReport::setRecognised(const QList<SmartElement*>& controls)
{
    m_controls = controls;
    m_read = false;
}

void SmartFillReport::note(const PageElement& box, Outcome outcome, int limit, int size)
{
    m_entries.append({box, outcome, m_field, m_caption, limit, size});
    m_read = false;
}

void SmartFillReport::noteNoBox(const QString& caption)
{
    if (!m_everyBoxNeeded)
        return;
    m_noBox << caption;
    m_read = false;
}

bool SmartFillReport::took(int field) const
{
    bool found = false;
    for (const Entry& entry : m_entries) {
        if (entry.field != field)
            continue;
        if (entry.outcome != Written)
            return false;
        found = true;
    }
    return found;
}

const SmartElement* SmartFillReport::recognised(const PageElement& box) const
{
    for (const SmartElement* control : m_controls) {
        if (control->element() == box)
            return control;
    }
    return nullptr;
}

QString SmartFillReport::whyEmpty(const PageElement& box, const QString& name) const
{
    for (auto entry = m_entries.crbegin(); entry != m_entries.crend(); ++entry) {
        if (!(entry->box == box))
            continue;
        for (const auto& row : byOutcome) {
            if (row.outcome == entry->outcome)
                return row.reason();
        }
        return QString();
    }
    if (m_controls.isEmpty())
        return LocaleMessage::emptyNotInTemplate();
    if (const SmartElement* control = recognised(box)) {
        const SmartKeywords& keywords = SmartKeywords::standard();
        const SmartKeywords::Hits named = keywords.scan(name);
        for (const auto& row : byRecognition) {
            if (row.holds(*control, keywords, named))
                return row.reason();
        }
    }
    return LocaleMessage::emptyNotRecognised();
}

const QStringList& SmartFillReport::undone(const QList<SmartLabel*>& labels)
{
    if (m_read)
        return m_undone;
    m_read = true;
    m_undone.clear();
    PageElements misfits;
    PageElements needed;
    QStringList misfitLines;
    QStringList unwrittenLines;
    for (const Entry& entry : qAsConst(m_entries)) {
        if (entry.outcome == TakesNoText) {
            unwrittenLines << LocaleMessage::boxLeftEmpty(entry.caption, LocaleMessage::takesNoText());
            continue;
        }
        if (entry.outcome != DoesNotFit) {
            if (m_everyBoxNeeded)
                needed << entry.box;
            continue;
        }
        if (misfits.contains(entry.box))
            continue;
        misfits << entry.box;
        misfitLines << LocaleMessage::valueDoesNotFit(named(entry.box, boxName(entry.box, labels), labels),
                                                      entry.limit, entry.size);
    }
    // A box recognition left for the user to tick if he agrees is named
    // whether or not the page requires it.
    for (const SmartElement* control : qAsConst(m_controls)) {
        if (control->asksUser() && control->type() == E::TypeCheckBox)
            needed << control->element();
    }
    QStringList emptyLines;
    for (const PageElement& box : leftEmpty(labels, needed)) {
        if (misfits.contains(box))
            continue;
        const QString name = boxName(box, labels);
        const QString reason = whyEmpty(box, name);
        if (!reason.isEmpty())
            emptyLines << LocaleMessage::boxLeftEmpty(named(box, name, labels), reason);
    }
    // A field found nowhere, unless a box of its name is named already.
    for (const QString& caption : qAsConst(m_noBox)) {
        const QString line = LocaleMessage::boxLeftEmpty(caption, QString());
        if (std::none_of(emptyLines.cbegin(), emptyLines.cend(),
                         [&](const QString& told) { return told.startsWith(line, Qt::CaseInsensitive); }))
            emptyLines << LocaleMessage::boxLeftEmpty(caption, LocaleMessage::emptyNoBox());
    }
    if (!misfitLines.isEmpty())
        m_undone << LocaleMessage::valuesDoNotFit(capped(misfitLines).join(QLatin1Char('\n')));
    if (!emptyLines.isEmpty())
        m_undone << LocaleMessage::boxesLeftEmpty(capped(emptyLines).join(QLatin1Char('\n')));
    if (!unwrittenLines.isEmpty())
        m_undone << LocaleMessage::fieldsNotWritten(capped(unwrittenLines).join(QLatin1Char('\n')));
    return m_undone;
}

bool SmartFillReport::asksPictureCode(const PageElement& box, const QList<SmartLabel*>& labels, int index) const
{
    const int type = E::typeOf(box);
    if (type != E::TypeText)
        return false;
    // The picture's own names say what it is, whatever language the page's
    // words are in: a box recognition could not tell beside it is its code.
    const SmartElement* control = recognised(box);
    if (control && control->kind() != E::KindUndef && control->kind() != E::KindTrash)
        return control->kind() == E::KindCaptcha;
    QStringList texts{SmartUtils::pictureNames(box)};
    if (!control) {
        for (const SmartLabel* text : SmartOwnTexts::visibleLabel(labels, index))
            texts << text->text();
        for (const char* attribute : {"name", "id", "class", "placeholder", "title"})
            texts << box.attribute(QLatin1String(attribute));
    }
    const SmartKeywords& keywords = SmartKeywords::standard();
    for (const QString& text : qAsConst(texts)) {
        const SmartKeywords::Hits hits = keywords.scan(text);
        const SmartKeywords::Row* row =
            keywords.answering(SmartKeywords::Captcha, hits, type, SmartKeywords::Everywhere);
        if (row && !keywords.holdsAny(SmartKeywords::Message, hits))
            return !row->picture || SmartUtils::showsPicture(box);
    }
    return false;
}

PageElements SmartFillReport::leftEmpty(const QList<SmartLabel*>& labels, const PageElements& needed) const
{
    PageElements empty;
    if (m_root.isNull())
        return empty;
    const SmartKeywords& keywords = SmartKeywords::standard();
    QStringList groups;
    for (int i = 0; i < labels.size(); ++i) {
        if (labels.at(i)->isText())
            continue;
        const PageElement& box = labels.at(i)->element();
        const int type = E::typeOf(box);
        if ((type != E::TypeText && type != E::TypePassword && type != E::TypeTextArea && type != E::TypeSelect
             && type != E::TypeCheckBox && type != E::TypeRadio && type != E::TypeFile)
            || box.hasAttribute(QStringLiteral("disabled")) || box.hasAttribute(QStringLiteral("readonly"))
            || declaredTrue(box, "aria-readonly") || declaredTrue(box, "aria-disabled"))
            continue;
        if (type == E::TypeRadio) {
            // A group of radios, by its name, once: the form needs it when
            // it needs one of them, and it holds nothing while none is picked.
            const QString name = box.attribute(QStringLiteral("name"));
            if (!name.isEmpty() && groups.contains(name))
                continue;
            groups << name;
            bool must = false;
            bool picked = false;
            for (int j = i; j < labels.size() && !picked; ++j) {
                const PageElement& other = labels.at(j)->element();
                if (labels.at(j)->isText() || E::typeOf(other) != E::TypeRadio
                    || (j > i && (name.isEmpty() || other.attribute(QStringLiteral("name")) != name)))
                    continue;
                must = must || needed.contains(other) || SmartBoxFacts::required(other, E::TypeRadio, labels, j, keywords);
                picked = !holdsNothing(other, type);
            }
            if (must && !picked)
                empty << box;
            continue;
        }
        if (type != E::TypePassword && !needed.contains(box) && !SmartBoxFacts::required(box, type, labels, i, keywords))
            continue;
        if (!holdsNothing(box, type))
            continue;
        // A trap for robots is no box of the user's, nor is a picture's
        // code, which the user types and is not told of.
        if ((type == E::TypeText || type == E::TypeTextArea)
            && (SmartUtils::isHoneypot(box) || transparent(box)))
            continue;
        if (asksPictureCode(box, labels, i))
            continue;
        empty << box;
    }
    return empty;
}

QString SmartFillReport::boxName(const PageElement& box, const QList<SmartLabel*>& labels)
{
    const int index = SmartLabel::indexOf(labels, box);
    const SmartKeywords& keywords = SmartKeywords::standard();
    // A text's words, empty for one that says nothing of what the box is
    // for: marks alone, a link to help, a note that it is required.
    const auto wordsOf = [&](const SmartLabel* text) {
        const QString part = labelWords(SmartBoxFacts::withoutRequiredWords(shownText(text), keywords));
        const SmartKeywords::Hits hits = keywords.scan(part);
        return keywords.holdsAny(SmartKeywords::MoreInfo, hits) || keywords.holdsAny(SmartKeywords::RequiredNote, hits)
            ? QString() : part;
    };
    // A radio's own text names its choice; the group's label stands before
    // the group.
    QList<const SmartLabel*> texts;
    if (index >= 0 && E::typeOf(box) != E::TypeRadio)
        texts = SmartOwnTexts::visibleLabel(labels, index);
    // In the order the page shows them, up to a text that is no label (a
    // hint under it).
    std::sort(texts.begin(), texts.end(), [&](const SmartLabel* a, const SmartLabel* b) {
        return labels.indexOf(const_cast<SmartLabel*>(a)) < labels.indexOf(const_cast<SmartLabel*>(b));
    });
    QStringList words;
    for (const SmartLabel* text : texts) {
        const QString part = wordsOf(text);
        if (!words.isEmpty() && !SmartLabelShape::labelLike(part))
            break;
        if (!part.isEmpty())
            words << part;
    }
    // Else the nearest label before it.
    const QList<const SmartLabel*> before =
        words.isEmpty() && index >= 0 ? SmartOwnTexts::textsBefore(labels, index) : QList<const SmartLabel*>();
    for (const SmartLabel* text : before) {
        const QString part = wordsOf(text);
        if (SmartLabelShape::labelLike(part)) {
            words << part;
            break;
        }
    }
    QString label = words.join(QLatin1Char(' '));
    // The words the box itself shows, never the name the page keeps it by.
    for (const char* attribute : {"aria-label", "placeholder", "title"}) {
        if (!label.isEmpty())
            break;
        label = labelWords(box.attribute(QLatin1String(attribute)));
    }
    if (label.size() > longestName) {
        const QString cut = label.left(longestName).section(QLatin1Char(' '), 0, -2);
        label = (cut.isEmpty() ? label.left(longestName) : cut) + QChar(0x2026);
    }
    return label;
}

} // namespace Vexal
