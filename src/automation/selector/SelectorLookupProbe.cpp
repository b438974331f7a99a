#include "automation/selector/SelectorLookupProbe.h"

#include "automation/selector/Selector.h"
#include "automation/selector/SelectorAttribute.h"
#include "automation/selector/SelectorLookupShapes.h"

namespace Vexal {
namespace lookup {

bool TextProbe::test(const SelectorAttribute* attribute, int index)
{
    const quint32 bit = index < 32 && passesOn ? (quint32(1) << index) : 0;
    const Evidence kind = bit ? evidenceKind(attribute) : Evidence::None;
    if (kind != Evidence::None && (inner & bit)) {
        if (html < 0)
            html = isHtml(element) ? 1 : 0;
        if (html == 1) {
            if (kind == Evidence::Holds)
                return true;
            return attribute->comparison() == SelectorAttribute::NotEqual;
        }
    }
    if (!read) {
        if (leaf < 0)
            leaf = element.firstChild().isNull() ? 1 : 0;
        if (leaf == 1 && !markupRead) {
            markup = element.dom()->markup(element);
            markupRead = true;
        }
        bool result = false;
        // A void element writes none of its content into its markup: a
        // text that a script put into it shows only in its plain text. A
        // style may hide the first letter the markup shows.
        if (leaf == 1 && !markup.isEmpty() && markupRules(markup, attribute, result) && showsText()
            && !startMayDiffer(attribute, element, markup))
            return result;
        if (leaf == 0 && walk && !shape) {
            shape = walk->shapeOf(at);
            if (walk->plain(at))
                laid = 1;
        }
        if (shape && decideFromShape(*shape, attribute, index, result)) {
            const bool trimmed = attribute->keyword() == SelectorAttribute::KeywordTrimmed;
            if (kind == Evidence::TooLong && shape->knownLength(trimmed) > attribute->value().size()
                && isLaidOut())
                outer |= bit;
            if (kind == Evidence::Holds && result && isLaidOut())
                outer |= bit;
            return result;
        }
        // Tested before by the step, for another element that has it as an
        // ancestor too.
        quint32 told = 0;
        if (recent && recent->find(element, index, result, told)) {
            outer |= told & bit;
            return result;
        }
        if (budget) {
            budget->aboutToRead();
            if (leaf == 0 && !walk)
                TextBudget::readAlone();
        }
        text = element.toPlainText();
        if (budget)
            budget->doneReading();
        read = true;
    }
    const QString subject = attribute->keyword() == SelectorAttribute::KeywordTrimmed ? text.trimmed() : text;
    const bool result = compareText(subject, attribute->value(), attribute->comparison());
    if (kind == Evidence::TooLong && lengthFromFirstVisible(subject) > attribute->value().size() && isLaidOut())
        outer |= bit;
    if (kind == Evidence::Holds && result && isLaidOut())
        outer |= bit;
    if (recent)
        recent->add(element, index, result, outer & bit);
    return result;
}

bool TextProbe::showsText()
{
    if (markupShowsText < 0)
        markupShowsText = element.tagName().compare(QLatin1String("TEMPLATE"), Qt::CaseInsensitive) != 0 ? 1 : 0;
    return markupShowsText == 1;
}

bool textsPass(TextProbe& probe, const Selector* step)
{
    const bool wanted = step->join() == Selector::JoinAny;
    for (int i = 0; i < step->attributeCount(); ++i) {
        const SelectorAttribute* attribute = step->attributeAt(i);
        if (isTextual(attribute) && probe.test(attribute, i) == wanted)
            return wanted;
    }
    return !wanted;
}

bool probeStep(TextProbe& probe, const Selector* step, int pos, int count)
{
    const Verdict verdict = withoutTexts(probe.element, step, pos, count);
    return verdict == Verdict::Texts ? textsPass(probe, step) : verdict == Verdict::Passes;
}

} // namespace lookup
} // namespace Vexal
