#include "automation/smart/SmartFieldLookup.h"

#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartLabel.h"
#include "automation/smart/SmartLog.h"
#include "automation/smart/SmartOwnTexts.h"

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

QList<const SmartLabel*> SmartFieldLookup::ownLabel(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    return Own::ownLabel(labels, labelIndex(control, labels));
}

QList<const SmartLabel*> SmartFieldLookup::visibleLabel(SmartElement* control, const QList<SmartLabel*>& labels) const
{
    return Own::visibleLabel(labels, labelIndex(control, labels));
}

K::Hits SmartFieldLookup::hitsOf(const QList<const SmartLabel*>& texts) const
{
    K::Hits all;
    for (const SmartLabel* text : texts)
        all |= hits(text->text());
    return all;
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

int SmartFieldLookup::labelKind(SmartElement* control, const QString& text)
{
    m_strict = true;
    const int kind = classify(control, text);
    m_strict = false;
    return kind;
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

bool SmartFieldLookup::isBirthPart(int kind)
{
    return kind == E::KindBirthYear || kind == E::KindBirthMonth || kind == E::KindBirthDay;
}

} // namespace Vexal
