#include "views/WidFloatFilter.h"

#include "views/SqlFilter.h"

#include <QDoubleSpinBox>
#include <QHBoxLayout>

namespace Vexal {

WidFloatFilter::WidFloatFilter(QWidget* parent)
    : WidFilterBase(parent)
{
}

QVariant WidFloatFilter::value() const
{
    return m_value ? QVariant(m_value->value()) : QVariant();
}

void WidFloatFilter::create()
{
    WidFilterBase::create();
    addComparisonOperators();
    selectOperator();
    m_value = new QDoubleSpinBox(this);
    m_value->setValue(m_filter ? m_filter->value().toDouble() : 0.0);
    m_layout->addWidget(m_value);
}

} // namespace Vexal
