#include "automation/selector/SelectorLookupText.h"

#include "automation/selector/Selector.h"
#include "automation/selector/SelectorAttribute.h"

#include <QElapsedTimer>
#include <QVarLengthArray>

#include <algorithm>

namespace Vexal {
namespace lookup {

bool compareText(const QString& subject, const QString& value, int comparison)
{
    switch (comparison) {
    case SelectorAttribute::Equal: return subject.compare(value, Qt::CaseInsensitive) == 0;
    case SelectorAttribute::NotEqual: return subject.compare(value, Qt::CaseInsensitive) != 0;
    case SelectorAttribute::Contains: return subject.contains(value, Qt::CaseInsensitive);
    case SelectorAttribute::StartsWith: return subject.startsWith(value, Qt::CaseInsensitive);
    case SelectorAttribute::EndsWith: return subject.endsWith(value, Qt::CaseInsensitive);
    default: return false;
    }
}

bool compareNumber(int subject, int value, int comparison)
{
    if (comparison == SelectorAttribute::Equal)
        return subject == value;
    if (comparison == SelectorAttribute::NotEqual)
        return subject != value;
    return false;
}

bool isTextual(const SelectorAttribute* attribute)
{
    return attribute && (attribute->keyword() == SelectorAttribute::KeywordText
                         || attribute->keyword() == SelectorAttribute::KeywordTrimmed);
}

bool isPositional(const SelectorAttribute* attribute)
{
    return attribute->keyword() == SelectorAttribute::KeywordFirst
        || attribute->keyword() == SelectorAttribute::KeywordLast;
}

// The length of a text from its first character that is not white space on.
int lengthFromFirstVisible(const QString& text)
{
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    return text.size() - i;
}

// A value as the markup of texts is compared with it: its characters other
// than white space, in lower case (ASCII folds like QString), written to
// "out" (room for as many characters as the value has). Returns their number:
// 0 when one of them is not printable ASCII, or none is left; then markup
// tells nothing.
static int foldValue(const QString& value, char* out)
{
    int n = 0;
    for (const QChar c : value) {
        const ushort u = c.unicode();
        if (c.isSpace())
            continue;
        if (u < 0x21 || u > 0x7E)
            return 0;
        out[n++] = char(u >= 'A' && u <= 'Z' ? u + 32 : u);
    }
    return n;
}

static QByteArray markupValue(const QString& value)
{
    QByteArray out(value.size(), Qt::Uninitialized);
    out.resize(foldValue(value, out.data()));
    return out;
}

// Whether the markup of an element proves that its plain text fails a text
// condition, without the layout work of reading that text. Only for content
// that is plain printable ASCII text: the page shows its letters, digits and
// signs in the same order, white space collapsed, kept or added, letters
// possibly restyled in case (to ASCII of the same letter, or to a non-ASCII
// letter), or shows none of them (hidden, masked). So a value whose characters
// other than white space are printable ASCII cannot match a text whose markup
// does not hold them the same way. "value" holds the "n" characters of the
// condition's folded value.
static bool markupRules(const QString& markup, const char* value, int n, int comparison, bool& result)
{
    if (n == 0)
        return false;
    // For each ASCII character: its lower case, 0 for white space, -1 for a
    // character that markup of plain printable text does not hold.
    static const struct Fold {
        signed char map[128];
        Fold()
        {
            for (int u = 0; u < 128; ++u) {
                const bool space = u == ' ' || u == '\t' || u == '\n' || u == '\r' || u == '\f';
                const bool plain = u > 0x20 && u < 0x7F && u != '<' && u != '&';
                map[u] = space ? 0 : !plain ? -1 : char(u >= 'A' && u <= 'Z' ? u + 32 : u);
            }
        }
    } fold;
    // Every element of a page may come here: the folded characters are
    // written straight into a buffer sized beforehand.
    QVarLengthArray<char, 256> shown(markup.size());
    int size = 0;
    const ushort* in = reinterpret_cast<const ushort*>(markup.constData());
    for (const ushort* end = in + markup.size(); in != end; ++in) {
        const signed char c = *in < 128 ? fold.map[*in] : -1;
        if (c < 0)
            return false;
        if (c > 0)
            shown.data()[size++] = char(c);
    }
    // Values are short: a loop compares them faster than a library call.
    const auto at = [&](int offset) {
        if (offset < 0 || offset + n > size)
            return false;
        const char* text = shown.data() + offset;
        for (int i = 0; i < n; ++i) {
            if (text[i] != value[i])
                return false;
        }
        return true;
    };
    bool possible = false;
    switch (comparison) {
    case SelectorAttribute::Equal:
    case SelectorAttribute::NotEqual: possible = size == n && at(0); break;
    case SelectorAttribute::StartsWith: possible = at(0); break;
    case SelectorAttribute::EndsWith: possible = at(size - n); break;
    case SelectorAttribute::Contains:
        for (int offset = 0; !possible && offset + n <= size; ++offset)
            possible = at(offset);
        break;
    default: return false;
    }
    if (possible)
        return false;
    result = comparison == SelectorAttribute::NotEqual;
    return true;
}

bool markupRules(const QString& markup, const SelectorAttribute* attribute, bool& result)
{
    QVarLengthArray<char, 64> value(attribute->value().size());
    return markupRules(markup, value.data(), foldValue(attribute->value(), value.data()), attribute->comparison(),
                       result);
}

bool looksAtStart(const SelectorAttribute* attribute)
{
    const int comparison = attribute->comparison();
    return comparison == SelectorAttribute::Equal || comparison == SelectorAttribute::NotEqual
        || comparison == SelectorAttribute::StartsWith;
}

bool startMayDiffer(const SelectorAttribute* attribute, const PageElement& element, const QString& markup)
{
    return looksAtStart(attribute) && LetterBudget::mayHide(element, markup.size());
}

Evidence evidenceKind(const SelectorAttribute* attribute)
{
    if (!isTextual(attribute) || attribute->value().isEmpty())
        return Evidence::None;
    switch (attribute->comparison()) {
    case SelectorAttribute::Equal:
    case SelectorAttribute::NotEqual: return Evidence::TooLong;
    case SelectorAttribute::Contains:
        if (attribute->keyword() == SelectorAttribute::KeywordTrimmed || !attribute->value().at(0).isSpace())
            return Evidence::Holds;
        return Evidence::None;
    default: return Evidence::None;
    }
}

// Whether the text of an element inside another may decide some text
// condition of a step for the outer one.
bool hasEvidence(const Selector* step)
{
    for (int i = 0; i < step->attributeCount() && i < 32; ++i) {
        if (evidenceKind(step->attributeAt(i)) != Evidence::None)
            return true;
    }
    return false;
}

bool laidOut(const PageElement& element)
{
    return !element.dom()->geometry(element).isEmpty();
}

bool isHtml(const PageElement& element)
{
    return element.dom()->namespaceUri(element) == QLatin1String("http://www.w3.org/1999/xhtml");
}

Flow flowOf(const PageElement& element)
{
    PageDom* dom = element.dom();
    if (!dom)
        return Flow::Apart;
    const TextFlow::Kind kind = TextFlow::kindOf(dom->localName(element));
    const QString display = dom->style(element, QStringLiteral("display"), PageDom::ComputedStyle);
    // Nothing of an element out of the layout is written: neither its text
    // nor anything inside it changes the texts around it.
    if (display == QLatin1String("none"))
        return Flow::Unwritten;
    if (!TextFlow::mayFlow(kind) || !isHtml(element) || !TextFlow::displayFlows(kind, display))
        return Flow::Apart;
    for (const TextFlow::Style& style : TextFlow::styles()) {
        if (!style.values.contains(dom->style(element, style.property, PageDom::ComputedStyle)))
            return Flow::Apart;
    }
    return Flow::InFlow;
}

bool standsInFlow(const PageElement& element)
{
    return flowOf(element) != Flow::Apart;
}

bool flowsWhole(const PageElement& root)
{
    for (PageElement e = root; !e.isNull();) {
        const Flow flow = flowOf(e);
        if (flow == Flow::Apart)
            return false;
        // Nothing inside an element out of the layout is written.
        PageElement next = flow == Flow::Unwritten ? PageElement() : e.firstChild();
        for (PageElement up = e; next.isNull() && up != root && !up.isNull(); up = up.parent())
            next = up.nextSibling();
        e = next;
    }
    return true;
}

// How much of the start and end of texts the text conditions of a step look
// at: one character more than the longest value, so that a longer text shows.
int shapeLimit(const Selector* step)
{
    int limit = 0;
    for (int i = 0; i < step->attributeCount(); ++i) {
        const SelectorAttribute* attribute = step->attributeAt(i);
        if (isTextual(attribute))
            limit = std::max(limit, int(attribute->value().size()) + 1);
    }
    return std::min(limit, 64);
}

// The number of elements of a subtree, its root included, counted up to a
// cap: more than the cap gives cap + 1.
int countUpTo(const PageElement& root, int cap)
{
    int count = 0;
    PageElement e = root;
    while (!e.isNull() && count <= cap) {
        ++count;
        PageElement next = e.firstChild();
        for (PageElement up = e; next.isNull() && up != root && !up.isNull(); up = up.parent())
            next = up.nextSibling();
        e = next;
    }
    return count;
}

qint64 TextBudget::s_perElement = TextBudget::firstPerElement;
std::function<qint64()> TextBudget::s_clock;
TextBudget::Way TextBudget::s_way = TextBudget::Way::Weighed;
TextBudget::Tally TextBudget::s_tally;

qint64 TextBudget::monotonicNow()
{
    static const QElapsedTimer started = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return started.nsecsElapsed();
}

void TextBudget::setClock(std::function<qint64()> clock)
{
    s_clock = std::move(clock);
    s_perElement = firstPerElement;
}

const PageDom* LetterBudget::s_dom = nullptr;
qint64 LetterBudget::s_spared = 0;

void LetterBudget::startTask(PageDom& dom)
{
    dom.forgetStyles();
    s_dom = &dom;
    s_spared = 0;
}

bool LetterBudget::mayHide(const PageElement& element, int spared)
{
    PageDom* dom = element.dom();
    if (dom != s_dom) {
        s_dom = dom;
        s_spared = 0;
    }
    s_spared += perRead + spared;
    return dom->mayHideFirstLetters(element, s_spared >= look);
}


StepTextTest::StepTextTest(const Selector* step, const PageElement& root)
    : m_any(step->join() == Selector::JoinAny)
    , m_markupShowsText(stepMarkupShowsText(step))
    , m_root(root)
{
    for (int i = 0; i < step->attributeCount(); ++i) {
        const SelectorAttribute* attribute = step->attributeAt(i);
        if (isTextual(attribute))
            m_conditions.push_back(Condition{attribute, markupValue(attribute->value())});
    }
}

PageDom::TextTest::Answer StepTextTest::fromMarkup(const QString& markup) const
{
    if (!m_markupShowsText)
        return Unknown;
    bool unknown = false;
    for (const Condition& condition : m_conditions) {
        bool result = false;
        if (!markupRules(markup, condition.markupValue.constData(), condition.markupValue.size(),
                         condition.attribute->comparison(), result)
            || startMayDiffer(condition.attribute, m_root, markup))
            unknown = true;
        else if (result == m_any)
            return m_any ? Passes : Fails;
    }
    return unknown ? Unknown : m_any ? Fails : Passes;
}

bool StepTextTest::passes(const QString& plainText) const
{
    QString trimmed;
    bool trimmedRead = false;
    for (const Condition& condition : m_conditions) {
        const SelectorAttribute* attribute = condition.attribute;
        if (attribute->keyword() == SelectorAttribute::KeywordTrimmed && !trimmedRead) {
            trimmed = plainText.trimmed();
            trimmedRead = true;
        }
        const QString& subject = attribute->keyword() == SelectorAttribute::KeywordTrimmed ? trimmed : plainText;
        if (compareText(subject, attribute->value(), attribute->comparison()) == m_any)
            return m_any;
    }
    return !m_any;
}


bool stepMarkupShowsText(const Selector* step)
{
    return step->tag().compare(QLatin1String("TEMPLATE"), Qt::CaseInsensitive) != 0;
}

Verdict withoutTexts(const PageElement& element, const Selector* step, int pos, int count)
{
    if (element.isNull() || !step)
        return Verdict::Fails;
    const int n = step->attributeCount();
    if (n == 0)
        return Verdict::Passes;
    const int join = step->join();
    if (join != Selector::JoinAll && join != Selector::JoinAny)
        return Verdict::Fails;
    // The conditions have no side effects, so their order does not change the
    // answer: the plain text, which needs the page's layout, is read last.
    const bool wanted = join == Selector::JoinAny;
    bool texts = false;
    for (int i = 0; i < n; ++i) {
        const SelectorAttribute* attribute = step->attributeAt(i);
        if (isTextual(attribute))
            texts = true;
        else if (conditionHolds(element, attribute, pos, count) == wanted)
            return wanted ? Verdict::Passes : Verdict::Fails;
    }
    if (texts)
        return Verdict::Texts;
    return wanted ? Verdict::Fails : Verdict::Passes;
}


// The position conditions of a join-all step: cheap to test before the
// element itself is looked at.
bool positionsHold(const Selector* step, int pos, int count)
{
    if (step->join() != Selector::JoinAll)
        return true;
    for (int i = 0; i < step->attributeCount(); ++i) {
        const SelectorAttribute* attribute = step->attributeAt(i);
        if (isPositional(attribute) && !conditionHolds(PageElement(), attribute, pos, count))
            return false;
    }
    return true;
}


bool conditionHolds(const PageElement& element, const SelectorAttribute* attribute, int pos, int count)
{
    if (!attribute)
        return false;
    switch (attribute->keyword()) {
    case SelectorAttribute::KeywordFirst:
        return compareNumber(pos, attribute->intValue(), attribute->comparison());
    case SelectorAttribute::KeywordLast:
        return compareNumber(count - pos - 1, attribute->intValue(), attribute->comparison());
    case SelectorAttribute::KeywordName:
        return compareText(element.tagName(), attribute->value(), attribute->comparison());
    case SelectorAttribute::KeywordText:
        return compareText(element.toPlainText(), attribute->value(), attribute->comparison());
    case SelectorAttribute::KeywordTrimmed:
        return compareText(element.toPlainText().trimmed(), attribute->value(), attribute->comparison());
    default:
        return compareText(element.attribute(attribute->name()), attribute->value(), attribute->comparison());
    }
}

} // namespace lookup
} // namespace Vexal
