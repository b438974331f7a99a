#pragma once

#include "shell/PageDom.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace Vexal {

class Selector;
class SelectorAttribute;

// Text conditions of selector steps: the comparisons of the selector
// language, and what spares reading an element's plain text, which needs the
// page's layout and walks the element's whole subtree: its markup, the texts
// of the elements inside it, the shapes of the texts of a subtree worked out
// at once (SelectorLookupShapes.h), brought together by a probe per element
// (SelectorLookupProbe.h).
namespace lookup {

bool compareText(const QString& subject, const QString& value, int comparison);
bool compareNumber(int subject, int value, int comparison);
bool isTextual(const SelectorAttribute* attribute);
bool isPositional(const SelectorAttribute* attribute);
// The length of a text from its first character that is not white space on.
int lengthFromFirstVisible(const QString& text);

// What the text of an element inside another tells about the outer one. The
// outer text holds the inner text whole, but for white space before the inner
// text's first visible character (written there as a line break or a space,
// or not at all), so:
// - an inner text longer than the value from its first visible character on
//   (or trimmed, for a trimmed text) makes the outer text differ from it;
// - an inner text holding the value holds it in the outer text too, where the
//   value does not start with white space (the inner text may start with a
//   line break or space that the outer text writes otherwise); a trimmed text
//   holds it in any case.
// Only texts of elements on the page's layout tell this: an element outside it
// (hidden by "display: none", an option of a list) gives all its markup's text.
// And only where the inner text stands whole in the outer one (flowsWhole):
// the callers pass it on no further.
enum class Evidence { None, TooLong, Holds };

Evidence evidenceKind(const SelectorAttribute* attribute);
// Whether the text of an element inside another may decide some text
// condition of a step for the outer one.
bool hasEvidence(const Selector* step);
bool laidOut(const PageElement& element);
// Decides the condition from the markup of an element that holds no child
// element, where that markup shows its text as the page does: true with the
// answer in result, false where only its plain text can tell. What it
// decides of the start of the text holds only where startMayDiffer() does not.
bool markupRules(const QString& markup, const SelectorAttribute* attribute, bool& result);
// Whether the condition looks at the start of a text: a style that hides a
// first letter ("::first-letter") changes that start and nothing else of
// what the markup tells (the rest of the text stays as it was, in order).
bool looksAtStart(const SelectorAttribute* attribute);
// Whether the start of a text the condition looks at may show otherwise than
// the markup of an element of the same document as "element" tells: where a
// style of the document may hide first letters (the look weighed by
// LetterBudget against reading the text instead, "markup" long).
bool startMayDiffer(const SelectorAttribute* attribute, const PageElement& element, const QString& markup);

bool isHtml(const PageElement& element);
// Whether the page writes an element's text, in the text of each element
// around it, as it writes it alone: whether the element stands in the text's
// flow, by the rule of TextFlow (shell/PageDom.h) read from its computed
// styles. Beside a child laid out apart, the page may write the white space
// between the child and the text before it seen from within the parent, and
// not from outside. An element out of the layout ("display: none": the
// document's head, scripts, styles, hidden parts) writes nothing, nor does
// anything inside it, so it changes no text around it. The page's script
// ("describe") tells the same of each element, from the same table.
enum class Flow { Apart, InFlow, Unwritten };
Flow flowOf(const PageElement& element);
bool standsInFlow(const PageElement& element);
// Whether every element of a subtree stands in flow, the root too: only then
// does the root's text stand whole and in order in the texts around it, and
// may what it tells pass on to them. What lies inside an element out of the
// layout is not looked at.
bool flowsWhole(const PageElement& root);
// How much of the start and end of texts the text conditions of a step look
// at: one character more than the longest value, so that a longer text shows.
int shapeLimit(const Selector* step);
// The number of elements of a subtree, its root included, counted up to a
// cap: more than the cap gives cap + 1.
int countUpTo(const PageElement& root, int cap);
// One condition of the selector language for one element, its position
// among the step's candidates and their count.
bool conditionHolds(const PageElement& element, const SelectorAttribute* attribute, int pos, int count);

// Weighs reading texts one at a time, as the rules read them, against working
// out the texts of a whole subtree at once. A read walks the element's whole
// subtree, so reading the texts of elements inside one another costs far
// more than the subtree holds; working the subtree out at once costs a few
// microseconds an element whatever it holds, and more than a read where
// elements do not nest or a match ends the search early. Texts are read until
// the reads have cost what working out the subtree would; from then on the
// subtree is worked out. So the whole never costs much more than twice what
// reading alone would have. Both ways give the same answer: the clock decides
// only the cost. It is the clock that weighs, not a count of the elements and
// characters read: what a read costs an element varies some twentyfold with
// the page's shape (blocks nested deep against inline elements, a form's
// rows), and what it costs a character as much (one long paragraph against
// many short ones), which only the time of the reads shows.
class TextBudget
{
public:
    // Working out a subtree costs one run of the page's script, some tens of
    // microseconds, and a few microseconds an element, more where the page
    // styles its elements much. Each run that works out a subtree tells what
    // its elements cost, and the next budget counts with that.
    static constexpr qint64 wholeRun = 60000;
    static constexpr qint64 firstPerElement = 6000;
    static void workedOut(qint64 ns, size_t elements)
    {
        ++s_tally.workedOut;
        if (elements >= 64)
            s_perElement = std::clamp<qint64>((s_perElement + (ns - wholeRun) / qint64(elements)) / 2, 2000, 50000);
    }

    // The clock reads and runs of the page's script are timed by, in
    // nanoseconds: the process's monotonic clock. A test that counts the work
    // a lookup asks of the page may set one that counts that work instead
    // (an empty one sets the monotonic clock again), so that the budgets weigh
    // it alike on every run; what runs timed by the clock before told is
    // forgotten.
    static qint64 now() { return s_clock ? s_clock() : monotonicNow(); }
    static void setClock(std::function<qint64()> clock);

    // The two ways give one answer: a test may hold them to it by forcing
    // either for every text a lookup tests, "Reading" one text at a time,
    // "Together" working out the whole subtree before any text is read.
    enum class Way { Weighed, Reading, Together };
    static void force(Way way) { s_way = way; }
    static Way way() { return s_way; }
    // Whether subtrees are worked out before any text is read.
    static bool together() { return s_way == Way::Together; }
    // What the weighed tests of texts did, for a test to see that the way it
    // forced is the way that ran: texts of elements that hold others read
    // one at a time, subtrees worked out at once. Forced to read, a lookup
    // works out nothing; forced to work out, it reads no such text before
    // its subtree is worked out (a text without elements inside is read
    // either way, its markup aside).
    struct Tally {
        int readAlone = 0;
        int workedOut = 0;
    };
    static Tally tally() { return s_tally; }
    static void resetTally() { s_tally = Tally(); }
    static void readAlone() { ++s_tally.readAlone; }

    void aboutToRead()
    {
        m_reading = true;
        m_readStart = now();
    }

    void doneReading()
    {
        m_previousRead = m_lastRead;
        m_lastRead = now() - m_readStart;
        m_spent += m_lastRead;
    }

    // After a read: whether working out the region at once now costs less
    // than the reads have cost so far together with those known to come:
    // "ahead" more reads of texts that hold the last one read. Each of those
    // costs at least what the last two reads did (the first read of a page
    // may cost more than its text). Only the reads count: what else is done
    // between them (markup tested, other reads) is done either way.
    bool spentOn(const PageElement& region, int ahead = 0)
    {
        if (s_way != Way::Weighed)
            return s_way == Way::Together;
        if (!m_reading)
            return false;
        const qint64 spent = m_spent + qint64(ahead) * std::min(m_lastRead, m_previousRead);
        if (spent < m_nextCheck)
            return false;
        const qint64 affordable = std::min<qint64>((spent - wholeRun) / s_perElement, 1 << 30);
        if (countUpTo(region, int(affordable)) <= affordable)
            return true;
        m_nextCheck = spent * 2;
        return false;
    }

private:
    static qint64 monotonicNow();

    bool m_reading = false;
    qint64 m_readStart = 0;
    qint64 m_lastRead = 0;
    qint64 m_previousRead = 0;
    qint64 m_spent = 0;
    qint64 m_nextCheck = 2 * wholeRun;
    static qint64 s_perElement;
    static std::function<qint64()> s_clock;
    static Way s_way;
    static Tally s_tally;
};

// Weighs a look at the styles of a document, whether one may hide first
// letters (PageDom::mayHideFirstLetters), against reading the texts whose
// start the markup would otherwise tell. A look runs a script over the style
// sheets, some 10 us: as much as reading 4,000 characters of text (about 2 ns
// each, a read 200 more). Until the reads the answer would spare in a task
// come to that, they cost less and the texts are read; from then on the
// document is looked at, once a task, which costs at most as much again.
class LetterBudget
{
public:
    static constexpr qint64 look = 4000;
    static constexpr qint64 perRead = 200;

    // A task on the page begins (a lookup): the page's scripts may have
    // changed its styles since the last one, none runs during one.
    static void startTask(PageDom& dom);
    // Whether a style of the element's document may hide first letters,
    // where the answer would spare reading so many characters of text.
    static bool mayHide(const PageElement& element, int spared);

private:
    // The page access of the task and the characters spared in it so far;
    // tasks run one at a time.
    static const PageDom* s_dom;
    static qint64 s_spared;
};




// What the texts of the last few elements read told the text conditions of
// a step (by their index, up to 32): the tests of one step's elements meet
// the same ancestors many times, and each would read their texts again.
class RecentVerdicts
{
public:
    // The condition's answer for the element, and the evidence it passed on
    // (its bit, Evidence), where the element's text was read for it.
    bool find(const PageElement& element, int index, bool& result, quint32& told) const
    {
        const quint32 bit = index < 32 ? quint32(1) << index : 0;
        for (const Verdicts& known : m_verdicts) {
            if ((known.tested & bit) && known.element == element) {
                result = (known.passed & bit) != 0;
                told = known.told & bit;
                return true;
            }
        }
        return false;
    }

    void add(const PageElement& element, int index, bool result, quint32 told)
    {
        if (index >= 32)
            return;
        const quint32 bit = quint32(1) << index;
        Verdicts* entry = nullptr;
        for (Verdicts& known : m_verdicts) {
            if (known.element == element)
                entry = &known;
        }
        if (!entry) {
            if (m_verdicts.size() == 256)
                m_verdicts.erase(m_verdicts.begin());
            m_verdicts.push_back(Verdicts{element, 0, 0, 0});
            entry = &m_verdicts.back();
        }
        entry->tested |= bit;
        entry->passed = result ? entry->passed | bit : entry->passed & ~bit;
        entry->told = (entry->told & ~bit) | (told & bit);
    }

private:
    struct Verdicts {
        PageElement element;
        quint32 tested;
        quint32 passed;
        quint32 told;
    };
    std::vector<Verdicts> m_verdicts;
};

// Whether the markup of a step's elements shows their texts: a TEMPLATE
// element's markup is its template's content, not the texts it holds.
bool stepMarkupShowsText(const Selector* step);

// The text conditions of a step as one test that the page access runs over
// the elements a query finds (PageDom::selectByText), where the query answers
// the step's other conditions. The same rules as a probe's, markup first.
class StepTextTest final : public PageDom::TextTest
{
public:
    // "root": that of the query, whose document may hide first letters: then
    // the markup does not tell the start of the texts.
    StepTextTest(const Selector* step, const PageElement& root);
    Answer fromMarkup(const QString& markup) const override;
    bool passes(const QString& plainText) const override;

private:
    struct Condition {
        const SelectorAttribute* attribute;
        // Its value as markup is compared with it.
        QByteArray markupValue;
    };
    std::vector<Condition> m_conditions;
    bool m_any = false;
    bool m_markupShowsText = true;
    const PageElement& m_root;
};


// What the conditions of a step that need no text (names, attributes,
// positions) decide for an element: that it passes or fails whatever its
// text, or that its text conditions decide.
enum class Verdict { Fails, Passes, Texts };
Verdict withoutTexts(const PageElement& element, const Selector* step, int pos, int count);
// The position conditions of a join-all step: cheap to test before the
// element itself is looked at.
bool positionsHold(const Selector* step, int pos, int count);

} // namespace lookup
} // namespace Vexal
