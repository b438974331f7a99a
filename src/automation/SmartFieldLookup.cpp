#include "automation/SmartFieldLookup.h"

#include "automation/ConstSmart.h"
#include "automation/SmartElement.h"
#include "automation/SmartLabel.h"
#include "automation/SmartLog.h"
#include "automation/SmartOwnTexts.h"
#include "automation/SmartUtils.h"

#include <QRegularExpression>
#include <QVector>

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
        // e-mail address") and names no kind.
        if (label->wordCount() > Own::LabelWords)
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
    const QString attributes = control->id() + QLatin1Char(' ') + control->name();
    const int byAttributes = keywords().rank(K::Terms, hits(attributes), control->type(), scope());
    if (byAttributes == 0)
        return 4;
    if (keywords().rank(K::Terms, hitsOf(ownTexts(control, labels)), control->type(), scope()) == 0)
        return 3;
    return byAttributes == 1 ? 2 : 1;
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
    const int type = control->type();
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
            if (isCaptcha(label->text(), type))
                return true;
        }
    }
    for (int i = index - 1; previous && i >= 0 && labels.at(i)->isText(); --i) {
        if (!Own::namesOther(labels.at(i), labels.at(index), previous) && isCaptcha(labels.at(i)->text(), type))
            return true;
    }
    for (const SmartLabel* label : Own::ownTextsAfter(labels, index)) {
        if (isCaptcha(label->text(), type))
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
    markOpen(controls, E::TypeCheckBox, [&](SmartElement* control) { return termsByEvidence(control, labels); });
    // Every box the form must have is ticked. Of the others one is: the one
    // whose own id, name or label speaks of terms outranks one that only
    // agrees to something; the first wins a tie. The rest are left alone.
    SmartElement* best = nullptr;
    int bestRank = 0;
    QList<SmartElement*> required;
    for (SmartElement* control : controls) {
        if (control->kind() != E::KindTerms)
            continue;
        if (isRequired(control, ownTexts(control, labels))) {
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

bool isFormOrBody(const PageElement& element)
{
    return SmartUtils::equalsNoCase(element.tagName(), ConstSmart::tagForm())
        || SmartUtils::equalsNoCase(element.tagName(), ConstSmart::tagBody());
}

// The element holds check boxes and no other control but hidden fields.
bool holdsOnlyBoxes(const PageElement& element)
{
    for (const PageElement& control : element.dom()->select(element, ConstSmart::controlSelector())) {
        if (!isBox(control)
            && !SmartUtils::equalsNoCase(control.attribute(ConstSmart::attrType()), ConstSmart::typeHidden()))
            return false;
    }
    return true;
}

} // namespace

PageElement SmartFieldLookup::boxList(const PageElement& box)
{
    for (PageElement e = box.parent(); !e.isNull() && !isFormOrBody(e) && holdsOnlyBoxes(e); e = e.parent()) {
        const PageElements boxes = e.dom()->select(e, QStringLiteral("input"));
        int count = 0;
        for (int i = 0; i < boxes.size() && count < 2; ++i)
            count += isBox(boxes.at(i)) ? 1 : 0;
        if (count >= 2)
            return e;
    }
    return PageElement();
}

bool SmartFieldLookup::inCategoryList(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    const PageElement list = boxList(control->element());
    if (list.isNull())
        return false;
    auto aboutCategories = [this](const QString& text) { return holds(K::CategoryList, text); };
    if (aboutCategories(control->id() + QLatin1Char(' ') + control->name()))
        return true;
    // Its container, up to where other controls join: its name, id or
    // class, or the legend of its fieldset.
    for (PageElement e = list; !e.isNull() && !isFormOrBody(e) && holdsOnlyBoxes(e); e = e.parent()) {
        if (aboutCategories(e.attribute(ConstSmart::attrId()) + QLatin1Char(' ') + e.attribute(ConstSmart::attrName())
                            + QLatin1Char(' ') + e.attribute(QStringLiteral("class"))))
            return true;
        if (SmartUtils::equalsNoCase(e.tagName(), QStringLiteral("FIELDSET"))
            && aboutCategories(e.dom()->selectFirst(e, QStringLiteral("legend")).toPlainText()))
            return true;
    }
    // Its heading: the texts before its first box that are not the
    // previous control's.
    int first = -1;
    for (int i = 0; i < labels.size() && first < 0; ++i) {
        if (!labels.at(i)->isText() && isBox(labels.at(i)->element())) {
            for (PageElement e = labels.at(i)->element().parent(); !e.isNull(); e = e.parent()) {
                if (e == list) {
                    first = i;
                    break;
                }
            }
        }
    }
    if (first < 0)
        return false;
    int previous = first - 1;
    while (previous >= 0 && labels.at(previous)->isText())
        --previous;
    for (int i = first - 1; i > previous; --i) {
        const SmartLabel* text = labels.at(i);
        if (text->labelTarget().isNull()
            && !Own::namesOther(text, labels.at(first), previous >= 0 ? labels.at(previous) : nullptr)
            && aboutCategories(text->text()))
            return true;
    }
    return false;
}

void SmartFieldLookup::markCategoryLists(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    for (SmartElement* control : controls) {
        if (control->type() == E::TypeCheckBox && (control->kind() == E::KindUndef || control->kind() == E::KindSpam)
            && inCategoryList(control, labels))
            control->setKind(E::KindCategory);
    }
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
    for (const SmartLabel* label : Own::textsBefore(labels, index)) {
        if (mode == 1 && (!label->isBold() || label->wordCount() > Own::LabelWords))
            continue;
        // A notice or hint is no label ("Shown to others instead of your
        // first name"), unless a LABEL names the control with it.
        if (!Own::labelLike(label) && label->labelTarget().isNull())
            continue;
        const int kind = classify(control, label->text());
        if (kind != E::KindUndef)
            return kind;
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
