#include "exchange/XmlItem.h"

namespace Vexal {

void XmlItem::append(const QString& name, const QString& text)
{
    m_children.append(Child{name, text, true, true});
}

QString XmlItem::childText(const QString& name) const
{
    for (const Child& child : m_children) {
        if (child.hasChildNodes && child.name.size() == name.size() && child.name == name)
            return child.text;
    }
    return QString();
}

bool XmlItem::hasElement(const QString& name) const
{
    for (const Child& child : m_children) {
        if (child.isElement && child.name.size() == name.size() && child.name == name)
            return true;
    }
    return false;
}

bool XmlItem::find(const QString& name, QString* text) const
{
    const QString* found = findText(name);
    if (found)
        *text = *found;
    return found != nullptr;
}

const QString* XmlItem::findText(const QString& name) const
{
    static const QString none;
    bool element = false;
    const QString* valued = nullptr;
    for (const Child& child : m_children) {
        // The sizes first: most names differ in theirs.
        if ((child.isElement || child.hasChildNodes) && child.name.size() == name.size() && child.name == name) {
            element = element || child.isElement;
            if (!valued && child.hasChildNodes)
                valued = &child.text;
            if (element && valued)
                return valued;
        }
    }
    return element ? &none : nullptr;
}

} // namespace Vexal
