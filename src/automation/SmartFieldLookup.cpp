#include "automation/SmartFieldLookup.h"

#include "automation/ConstSmart.h"
#include "automation/SmartElement.h"
#include "automation/SmartLabel.h"
#include "automation/SmartLog.h"
#include "automation/SmartOwnTexts.h"
#include "automation/SmartUtils.h"

#include <QRegularExpression>
#include <QVector>

#include <unordered_map>

namespace Vexal {

using E = SmartElement;
using K = SmartKeywords;
namespace Own = SmartOwnTexts;

SmartFieldLookup::SmartFieldLookup(QObject* parent, SmartForm form)
    : SmartTextLookup(parent, form, K::Fields)
{
}

int SmartFieldLookup::classify(SmartElement*, const QString&)
{
    return E::KindUndef;
}

void SmartFieldLookup::writeLog(SmartLog* report)
{
    report->writeKinds(m_elements);
}

int SmartFieldLookup::labelIndex(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    const PageElement& element = control->element();
    const int size = labels.size();
    // The same control again, or the next one.
    if (m_hint < 1 || m_hint > size)
        m_hint = 1;
    for (int n = 0, i = m_hint - 1; n < size; ++n, i = (i + 1 == size ? 0 : i + 1)) {
        const SmartLabel* label = labels.at(i);
        if (!label->isText() && label->element() == element) {
            m_hint = i + 1;
            return i;
        }
    }
    return -1;
}

QList<const SmartLabel*> SmartFieldLookup::ownTexts(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    return Own::ownTexts(labels, labelIndex(control, labels));
}

K::Hits SmartFieldLookup::hitsOf(const QList<const SmartLabel*>& texts) const
{
    K::Hits all;
    for (const SmartLabel* text : texts)
        all |= hits(text->text());
    return all;
}

int SmartFieldLookup::namePart(const QString& text, bool* bare) const
{
    static const QRegularExpression gaps(QStringLiteral("[^\\p{L}\\p{N}]+"));
    QStringList words = text.toCaseFolded().split(gaps, Qt::SkipEmptyParts);
    words.removeAll(QStringLiteral("name"));
    words.removeAll(QStringLiteral("names"));
    if (words.size() != 1)
        return E::KindUndef;
    const int kind = kindOf(K::NameWord, words.first());
    if (kind != E::KindUndef)
        *bare = !text.contains(QLatin1String("name"), Qt::CaseInsensitive);
    return kind;
}

void SmartFieldLookup::markNameParts(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    // The part each open text field's own texts name, and whether they name
    // it bare ("First", "Family") or as a name ("First name", "Surname").
    QVector<int> kinds(controls.size(), E::KindUndef);
    QVector<bool> bare(controls.size(), false);
    for (int i = 0; i < controls.size(); ++i) {
        SmartElement* control = controls.at(i);
        const int index =
            control->kind() == E::KindUndef && control->type() == E::TypeText ? labelIndex(control, labels) : -1;
        if (index < 0)
            continue;
        bool isBare = false;
        for (const SmartLabel* text : Own::ownTextsBefore(labels, index) + Own::ownTextsAfter(labels, index)) {
            const int kind = namePart(text->text(), &isBare);
            if (kind != E::KindUndef) {
                kinds[i] = kind;
                bare[i] = isBare;
                break;
            }
        }
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

int SmartFieldLookup::kindAfter(SmartElement* control, const QList<SmartLabel*>& labels, K::Group group) const
{
    for (const SmartLabel* label : ownTexts(control, labels)) {
        const int kind = kindOf(group, label->text(), control->type());
        if (kind != E::KindUndef)
            return kind;
    }
    return E::KindUndef;
}

int SmartFieldLookup::kindFromLabelsAfter(SmartElement* control, const QList<SmartLabel*>& labels)
{
    const int index = labelIndex(control, labels);
    if (index < 0)
        return E::KindUndef;
    for (const SmartLabel* label : Own::ownTextsAfter(labels, index)) {
        // A sentence after a field is help about it ("Shown instead of your
        // e-mail address") and names no kind, unless a LABEL names the field
        // with it.
        if (!Own::labelLike(label) && label->labelTarget().isNull())
            continue;
        const int kind = classify(control, label->text());
        if (kind != E::KindUndef)
            return kind;
    }
    return E::KindUndef;
}

int SmartFieldLookup::termsAfter(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    // A box whose label offers news is a preference, whatever else it says.
    return keywords().kind(K::Terms, hitsOf(ownTexts(control, labels)), control->type(), scope());
}

int SmartFieldLookup::termsRank(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    const QString attributes = attributeText(control);
    const int byAttributes = keywords().rank(K::Terms, hits(attributes), control->type(), scope());
    const int byLabel = keywords().rank(K::Terms, hitsOf(ownTexts(control, labels)), control->type(), scope());
    if (byLabel == 0)
        return 4;
    if (byAttributes == 0)
        return 3;
    return byLabel == 1 ? 2 : 1;
}

int SmartFieldLookup::genderAfter(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    return kindAfter(control, labels, K::Gender);
}

int SmartFieldLookup::birthKind(SmartElement* control)
{
    const PageElement first = control->element().firstChild();
    if (first.isNull())
        return E::KindUndef;
    return kindOf(K::BirthPart, first.toPlainText(), control->type());
}

bool SmartFieldLookup::asksForCode(SmartElement* control, const QList<SmartLabel*>& labels)
{
    const int index = labelIndex(control, labels);
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
            if (asksPictureCode(control, label->text()))
                return true;
        }
    }
    for (int i = index - 1; previous && i >= 0 && labels.at(i)->isText(); --i) {
        if (!Own::namesOther(labels.at(i), labels.at(index), previous) && asksPictureCode(control, labels.at(i)->text()))
            return true;
    }
    for (const SmartLabel* label : Own::ownTextsAfter(labels, index)) {
        if (asksPictureCode(control, label->text()))
            return true;
    }
    return false;
}

void SmartFieldLookup::markCaptcha(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    for (SmartElement* control : controls) {
        if (control->type() != E::TypeText
            || (control->kind() != E::KindUndef && control->kind() != E::KindAnswer))
            continue;
        if (asksForCode(control, labels))
            control->setKind(E::KindCaptcha);
    }
}

void SmartFieldLookup::markTerms(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    // A box its name calls the terms whose own label offers news or names
    // another thing is what the label says; one that shows the user no
    // words about the terms is not ticked for them.
    for (SmartElement* control : controls) {
        if (control->kind() == E::KindTerms && control->type() == E::TypeCheckBox
            && (keywords().holdsExclusion(K::Terms, E::KindTerms, hitsOf(ownTexts(control, labels)))
                || !speaksOfTerms(control, labels)))
            control->setKind(E::KindUndef);
    }
    markOpen(controls, E::TypeCheckBox, [&](SmartElement* control) { return termsByEvidence(control, labels); });
    // Every box the form must have is ticked. Of the others one is: the one
    // whose own label, else id or name, speaks of terms outranks one that
    // only agrees to something; the first wins a tie. The rest are left
    // alone.
    SmartElement* best = nullptr;
    int bestRank = 0;
    QList<SmartElement*> required;
    for (SmartElement* control : controls) {
        if (control->kind() != E::KindTerms)
            continue;
        if (isRequired(control, labels)) {
            required << control;
            continue;
        }
        const int rank = termsRank(control, labels);
        if (rank > bestRank) {
            best = control;
            bestRank = rank;
        }
    }
    for (SmartElement* control : controls) {
        if (control->kind() == E::KindTerms && control != best && !required.contains(control))
            control->setKind(E::KindTrash);
    }
}

namespace {

bool isBox(const PageElement& element)
{
    return SmartUtils::equalsNoCase(element.tagName(), ConstSmart::tagInput())
        && SmartUtils::equalsNoCase(element.attribute(ConstSmart::attrType()), ConstSmart::typeCheckBox());
}

} // namespace

// What the form's controls tell of each element above them, read once from
// the label sequence, whose entries share the elements of the ancestors
// they have in common: how many check boxes it holds, whether it holds any
// other control, and the entry of its first box.
struct SmartFieldLookup::BoxLists {
    struct Holding {
        int boxes = 0;
        bool other = false;
        int first = -1;
    };
    std::unordered_map<int, Holding> held;

    explicit BoxLists(const QList<SmartLabel*>& labels)
    {
        // The elements above the boxes first, then which of them hold
        // another control too.
        std::vector<int> others;
        for (int i = 0; i < labels.size(); ++i) {
            const SmartLabel* entry = labels.at(i);
            if (entry->isText())
                continue;
            if (!isBox(entry->element())) {
                others.push_back(i);
                continue;
            }
            const PageElements& chain = entry->ancestors();
            for (int depth = 0; depth + 1 < chain.size(); ++depth) {
                Holding& holding = held[chain.at(depth).id()];
                if (holding.boxes++ == 0)
                    holding.first = i;
            }
        }
        for (int i = 0; i < int(others.size()) && !held.empty(); ++i) {
            const PageElements& chain = labels.at(others[size_t(i)])->ancestors();
            for (int depth = chain.size() - 2; depth >= 0; --depth) {
                const auto it = held.find(chain.at(depth).id());
                if (it == held.end())
                    continue;
                // What holds this one holds the control too, and was marked
                // by an earlier control or is marked now on the way up.
                if (it->second.other)
                    break;
                it->second.other = true;
            }
        }
    }

    const Holding& of(const PageElement& element) const
    {
        static const Holding none;
        const auto it = held.find(element.id());
        return it == held.end() ? none : it->second;
    }
    // Holds check boxes and no other control (hidden fields aside).
    bool onlyBoxes(const PageElement& element) const { return !of(element).other; }
};

int SmartFieldLookup::boxList(const PageElements& chain) const
{
    // The chain of the box itself: its parent first.
    for (int depth = chain.size() - 2; depth >= 0; --depth) {
        const PageElement& e = chain.at(depth);
        if (SmartUtils::isFormOrBody(e) || !m_boxLists->onlyBoxes(e))
            break;
        if (m_boxLists->of(e).boxes >= 2)
            return depth;
    }
    return -1;
}

bool SmartFieldLookup::inCategoryList(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    const int index = labelIndex(control, labels);
    if (index < 0)
        return false;
    const PageElements& chain = labels.at(index)->ancestors();
    const int depth = boxList(chain);
    if (depth < 0)
        return false;
    const PageElement& list = chain.at(depth);
    // What the list as a whole is called: its container, up to where other
    // controls join (its name, id or class, or the legend of its
    // fieldset), and its heading (the texts before its first box that are
    // not the previous control's).
    QStringList names;
    for (int up = depth; up >= 0; --up) {
        const PageElement& e = chain.at(up);
        if (SmartUtils::isFormOrBody(e) || !m_boxLists->onlyBoxes(e))
            break;
        names << e.attribute(ConstSmart::attrId()) + QLatin1Char(' ') + e.attribute(ConstSmart::attrName())
                + QLatin1Char(' ') + e.attribute(QStringLiteral("class"));
        if (SmartUtils::equalsNoCase(e.tagName(), QStringLiteral("FIELDSET")))
            names << e.dom()->selectFirst(e, QStringLiteral("legend")).toPlainText();
    }
    const int first = m_boxLists->of(list).first;
    int previous = first - 1;
    while (previous >= 0 && labels.at(previous)->isText())
        --previous;
    for (int i = first - 1; first >= 0 && i > previous; --i) {
        const SmartLabel* text = labels.at(i);
        if (text->labelTarget().isNull()
            && !Own::namesOther(text, labels.at(first), previous >= 0 ? labels.at(previous) : nullptr))
            names << text->text();
    }
    // A list of the newsletters' topics offers news, whatever its boxes say.
    K::Hits words;
    for (const QString& name : names)
        words |= hits(name);
    if (keywords().holdsExclusion(K::CategoryList, E::KindCategory, words))
        return false;
    // The box's own name ("topic_sport"), else the list's.
    auto aboutCategories = [this](const K::Hits& found) {
        return keywords().kind(K::CategoryList, found, E::TypeCheckBox, scope()) != E::KindUndef;
    };
    return aboutCategories(hits(attributeText(control))) || aboutCategories(words);
}

void SmartFieldLookup::markCategoryLists(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    const BoxLists lists(labels);
    m_boxLists = &lists;
    for (SmartElement* control : controls) {
        if (control->type() == E::TypeCheckBox && (control->kind() == E::KindUndef || control->kind() == E::KindSpam)
            && inCategoryList(control, labels))
            control->setKind(E::KindCategory);
    }
    m_boxLists = nullptr;
}

void SmartFieldLookup::markSpam(QList<SmartElement*>& controls)
{
    for (SmartElement* control : controls) {
        if (control->kind() == E::KindUndef && control->type() == E::TypeCheckBox)
            control->setKind(E::KindSpam);
    }
}

void SmartFieldLookup::markGender(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    markOpen(controls, E::TypeRadio, [&](SmartElement* control) { return genderAfter(control, labels); });
}

void SmartFieldLookup::markBirth(QList<SmartElement*>& controls)
{
    markOpen(controls, E::TypeSelect, [this](SmartElement* control) { return birthKind(control); });
}

void SmartFieldLookup::markOpen(QList<SmartElement*>& controls, int type,
                                const std::function<int(SmartElement*)>& kindOf)
{
    for (SmartElement* control : controls) {
        if (control->kind() != E::KindUndef || control->type() != type)
            continue;
        const int kind = kindOf(control);
        if (kind != E::KindUndef)
            control->setKind(kind);
    }
}

void SmartFieldLookup::lookupKinds(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    for (SmartElement* control : controls) {
        if (control->kind() == E::KindUndef)
            control->setKind(kindFromParent(control));
    }
    SmartLog* report = SmartLog::instance();
    if (isBoldMode(labels)) {
        report->writeLine(QStringLiteral("LOOKUP BOLD"));
        for (SmartElement* control : controls) {
            if (control->kind() == E::KindUndef)
                control->setKind(kindFromLabels(control, labels, 1));
        }
    } else {
        report->writeLine(QStringLiteral("LOOKUP BOLD SKIPPED"));
    }
    for (SmartElement* control : controls) {
        if (control->kind() == E::KindUndef)
            control->setKind(kindFromLabels(control, labels, 2));
    }
    for (SmartElement* control : controls) {
        if (control->kind() == E::KindUndef)
            control->setKind(kindFromLabelsAfter(control, labels));
    }
    // A box with no label of its own reads the title it shows as a tip, else
    // the text it shows inside until the user types.
    for (SmartElement* control : controls) {
        if (control->kind() != E::KindUndef || control->type() != E::TypeText)
            continue;
        const PageElement& box = control->element();
        const QString title = box.attribute(ConstSmart::attrTitle());
        for (const QString& text : {title, box.attribute(QStringLiteral("placeholder"))}) {
            if (text.trimmed().isEmpty() || !Own::labelLike(text))
                continue;
            control->setKind(classify(control, text));
            break;
        }
    }
}

int SmartFieldLookup::kindFromParent(SmartElement* control)
{
    const PageElement self = control->element();
    const PageElement parent = self.parent();
    if (parent.isNull())
        return E::KindUndef;
    // Any other control below the parent makes its texts ambiguous. The
    // first one usually tells, without collecting them all.
    PageDom* dom = parent.dom();
    if (!(dom->selectFirst(parent, ConstSmart::controlSelector()) == self))
        return E::KindUndef;
    for (const PageElement& other : dom->select(parent, ConstSmart::controlSelector())) {
        if (!(other == self))
            return E::KindUndef;
    }
    for (const PageElement& element : dom->select(parent, QStringLiteral("*"))) {
        if (element == self)
            continue;
        const QString text = element.toPlainText();
        if (!Own::labelLike(text))
            continue;
        const int kind = classify(control, text);
        if (kind != E::KindUndef)
            return kind;
    }
    return E::KindUndef;
}

int SmartFieldLookup::kindFromLabels(SmartElement* control, const QList<SmartLabel*>& labels, int mode)
{
    const int index = labelIndex(control, labels);
    if (index < 0)
        return E::KindUndef;
    const QList<const SmartLabel*> before = Own::textsBefore(labels, index);
    for (const SmartLabel* label : before) {
        if (mode == 1 && (!label->isBold() || label->wordCount() > Own::LabelWords))
            continue;
        // A notice or hint is no label ("Shown to others instead of your
        // first name"), unless a LABEL names the control with it.
        if (!Own::labelLike(label) && label->labelTarget().isNull())
            continue;
        const int kind = classify(control, label->text());
        // A text that ends like a label ("Closest Major Intersection:") is
        // the field's own: what stands before it is a heading of the section.
        if (kind == E::KindUndef && label->text().endsWith(QLatin1Char(':')) && Own::labelLike(label))
            break;
        if (kind == E::KindUndef)
            continue;
        // Another text of the same label that contradicts the kind
        // ("Attachment" over a list of file kinds that names ".zip") leaves
        // the field alone.
        K::Hits stretch;
        for (const SmartLabel* text : before) {
            if (Own::labelLike(text))
                stretch |= hits(text->text());
        }
        return keywords().excludes(kind, stretch, scope()) ? int(E::KindTrash) : kind;
    }
    return E::KindUndef;
}

bool SmartFieldLookup::isBoldMode(const QList<SmartLabel*>& labels)
{
    if (labels.isEmpty())
        return true;
    int controls = 0;
    int bold = 0;
    for (const SmartLabel* label : labels) {
        if (!label->isText())
            ++controls;
        else if (label->isBold())
            ++bold;
    }
    if (controls < 4)
        return bold == controls;
    return 100 * bold / controls > 49;
}

} // namespace Vexal
