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

QString SmartNode::name() const
{
    return m_element.attribute(ConstSmart::attrName());
}

QString SmartNode::id() const
{
    return m_element.attribute(ConstSmart::attrId());
}

QString SmartNode::elementText() const
{
    return QStringLiteral("<%1 type='%2' id='%3' name='%4'>").arg(m_element.tagName(), typeAttribute(), id(), name());
}

} // namespace Vexal
