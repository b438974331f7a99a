#include "automation/selector/SelectorList.h"

#include "automation/selector/Selector.h"

namespace Vexal {

SelectorList::SelectorList(const QString& caption, const QString& value, const QStringList& values,
                           QObject* parent)
    : QObject(parent)
    , m_caption(caption)
    , m_value(value)
    , m_values(values)
{
}

void SelectorList::addSelector(Selector* selector)
{
    if (!selector)
        return;
    selector->setParent(this);
    m_selectors.append(selector);
}

QString SelectorList::toText() const
{
    QString out;
    for (int i = 0; i < m_selectors.size(); ++i) {
        if (i > 0)
            out += QLatin1Char(':');
        m_selectors.at(i)->toText(out);
    }
    return out;
}

} // namespace Vexal
