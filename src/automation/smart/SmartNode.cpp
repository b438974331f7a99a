#include "automation/smart/SmartNode.h"

#include "automation/smart/ConstSmart.h"

namespace Vexal {

SmartNode::SmartNode(QObject* parent)
    : QObject(parent)
{
}

QString SmartNode::typeAttribute() const
{
    return m_element.attribute(ConstSmart::attrType());
}

void SmartNode::setNodeElement(const PageElement& element)
{
    m_element = element;
    m_namesRead = false;
}

void SmartNode::readNames() const
{
    if (m_namesRead)
        return;
    m_namesRead = true;
    m_name = m_element.attribute(ConstSmart::attrName());
    m_id = m_element.attribute(ConstSmart::attrId());
}

const QString& SmartNode::name() const
{
    readNames();
    return m_name;
}

const QString& SmartNode::id() const
{
    readNames();
    return m_id;
}

QString SmartNode::elementText() const
{
    return QStringLiteral("<%1 type='%2' id='%3' name='%4'>").arg(m_element.tagName(), typeAttribute(), id(), name());
}

} // namespace Vexal
