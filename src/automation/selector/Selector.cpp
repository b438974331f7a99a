#include "automation/selector/Selector.h"

#include "automation/selector/ConstSelector.h"
#include "automation/selector/SelectorAttribute.h"

namespace Vexal {

Selector::Selector(QObject* parent)
    : QObject(parent)
{
}

void Selector::addAttribute(SelectorAttribute* attribute)
{
    if (!attribute)
        return;
    attribute->setParent(this);
    m_attributes.append(attribute);
}

void Selector::toText(QString& out) const
{
    switch (m_kind) {
    case KindIframe: out += ConstSelector::tagIframe(); break;
    case KindForm: out += ConstSelector::tagForm(); break;
    case KindTextarea: out += ConstSelector::tagTextarea(); break;
    case KindSelect: out += ConstSelector::tagSelect(); break;
    case KindParent: out += ConstSelector::xParent(); break;
    case KindChild: out += ConstSelector::xChild(); break;
    case KindSibling: out += ConstSelector::xSibling(); break;
    case KindNext: out += ConstSelector::xNext(); break;
    default: out += m_tag; break;
    }
    if (m_attributes.isEmpty())
        return;
    const QLatin1String join(m_join == JoinAll ? "&&" : m_join == JoinAny ? "||" : "##");
    out += QLatin1Char('[');
    for (int i = 0; i < m_attributes.size(); ++i) {
        if (i > 0)
            out += join;
        m_attributes.at(i)->toText(out);
    }
    out += QLatin1Char(']');
}

} // namespace Vexal
