#include "automation/smart/SmartFieldEvidence.h"

#include "automation/smart/ConstSmart.h"
#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartFieldLookup.h"
#include "automation/smart/SmartLabel.h"
#include "automation/smart/SmartLabelShape.h"
#include "automation/smart/SmartLog.h"
#include "automation/smart/SmartOwnTexts.h"

namespace Vexal {

using E = SmartElement;
using K = SmartKeywords;
namespace Own = SmartOwnTexts;
namespace Shape = SmartLabelShape;

namespace {

QStringList textsOf(const QList<const SmartLabel*>& labels)
{
    QStringList texts;
    for (const SmartLabel* label : labels)
        texts << label->text();
    return texts;
}

} // namespace

void SmartFieldEvidence::weighOwnLabels(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    for (SmartElement* control : controls) {
        const int kind = control->kind();
        const int type = control->type();
        // A picture code is told by more than words; a handle is never filled.
        if (kind == E::KindUndef || kind == E::KindCaptcha || kind == E::KindTrash
            || !(type == E::TypeText || type == E::TypePassword || type == E::TypeSelect || type == E::TypeTextArea))
            continue;
        // The name the page gives the box for assistive technology, or the
        // text it shows inside until the user types, counts where it has no
        // label of its own.
        QStringList own = textsOf(m_lookup.ownLabel(control, labels));
        const QString named = control->ariaLabel().trimmed();
        const QString placeholder = control->placeholder().trimmed();
        for (const QString& itself : {named, placeholder}) {
            if (own.isEmpty() && !itself.isEmpty())
                own << itself;
        }
        int said = E::KindUndef;
        for (const QString& text : own) {
            said = m_lookup.labelKind(control, text);
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
        K::Hits shown = m_lookup.hitsOf(m_lookup.visibleLabel(control, labels));
        for (const QString& itself : {named, placeholder}) {
            if (!itself.isEmpty())
                shown |= m_lookup.hits(itself);
        }
        if (m_lookup.keywords().excludes(kind, shown, m_lookup.scope()))
            control->setKind(E::KindTrash);
    }
}

void SmartFieldEvidence::lookupKinds(QList<SmartElement*>& controls, const QList<SmartLabel*>& labels)
{
    for (SmartElement* control : controls) {
        if (control->kind() == E::KindUndef)
            control->setKind(kindFromParent(control));
    }
    // A box under a row of captions reads what it says itself before the
    // caption over it.
    for (SmartElement* control : controls) {
        if (control->kind() == E::KindUndef && Own::underCaptions(labels, m_lookup.labelIndex(control, labels)))
            control->setKind(kindFromOwnWords(control));
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
        if (control->kind() == E::KindUndef)
            control->setKind(kindFromOwnWords(control));
    }
}

int SmartFieldEvidence::kindFromOwnWords(SmartElement* control)
{
    if (control->type() != E::TypeText)
        return E::KindUndef;
    for (const QString& text : {control->ariaLabel(), control->title(), control->placeholder()}) {
        if (!text.trimmed().isEmpty() && Shape::labelLike(text))
            return m_lookup.classify(control, text);
    }
    return E::KindUndef;
}

int SmartFieldEvidence::kindFromParent(SmartElement* control)
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
        if (!Shape::labelLike(text))
            continue;
        const int kind = m_lookup.classify(control, text);
        if (kind != E::KindUndef)
            return kind;
    }
    return E::KindUndef;
}

int SmartFieldEvidence::kindFromLabels(SmartElement* control, const QList<SmartLabel*>& labels, int mode)
{
    const int index = m_lookup.labelIndex(control, labels);
    if (index < 0)
        return E::KindUndef;
    const QList<const SmartLabel*> before = Own::textsBefore(labels, index);
    for (const SmartLabel* label : before) {
        if (mode == 1 && (!label->isBold() || label->wordCount() > Shape::LabelWords))
            continue;
        // A notice or hint is no label ("Shown to others instead of your
        // first name"), unless a LABEL names the control with it or it is the
        // caption beside the control.
        if (!Shape::isLabelOf(labels, index, label) && label->labelTarget().isNull())
            continue;
        const int kind = m_lookup.classify(control, label->text());
        // A text that ends like a label ("Closest Major Intersection:") is
        // the field's own: what stands before it is a heading of the section.
        if (kind == E::KindUndef && label->text().endsWith(QLatin1Char(':')) && Shape::labelLike(label))
            break;
        if (kind == E::KindUndef)
            continue;
        // Another text of the same label that contradicts the kind
        // ("Attachment" over a list of file kinds that names ".zip") leaves
        // the field alone.
        K::Hits stretch;
        for (const SmartLabel* text : before) {
            if (Shape::isLabelOf(labels, index, text))
                stretch |= m_lookup.hits(text->text());
        }
        return m_lookup.keywords().excludes(kind, stretch, m_lookup.scope()) ? int(E::KindTrash) : kind;
    }
    return E::KindUndef;
}

int SmartFieldEvidence::kindFromLabelsAfter(SmartElement* control, const QList<SmartLabel*>& labels)
{
    const int index = m_lookup.labelIndex(control, labels);
    if (index < 0)
        return E::KindUndef;
    for (const SmartLabel* label : Own::ownTextsAfter(labels, index)) {
        // A sentence after a field is help about it ("Shown instead of your
        // e-mail address") and names no kind, unless a LABEL names the field
        // with it.
        if (!Shape::labelLike(label) && label->labelTarget().isNull())
            continue;
        const int kind = m_lookup.classify(control, label->text());
        if (kind != E::KindUndef)
            return kind;
    }
    return E::KindUndef;
}

bool SmartFieldEvidence::isBoldMode(const QList<SmartLabel*>& labels)
{
    if (labels.isEmpty())
        return true;
    int controls = 0;
    int bold = 0;
    for (const SmartLabel* label : labels) {
        if (!label->isText())
            ++controls;
        else if (label->isBold() && label->wordCount() > 0)
            ++bold;
    }
    if (controls < 4)
        return bold == controls;
    return 100 * bold / controls > 49;
}

} // namespace Vexal
