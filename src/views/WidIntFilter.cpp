#include "views/WidIntFilter.h"

#include "views/SqlFilter.h"

#include <QHBoxLayout>
#include <QSpinBox>

namespace Vexal {

WidIntFilter::WidIntFilter(QWidget* parent)
    : WidFilterBase(parent)
{
}

QVariant WidIntFilter::value() const
{
    return m_value ? QVariant(m_value->value()) : QVariant();
}

void WidIntFilter::create()
{
    WidFilterBase::create();
    addComparisonOperators();
    selectOperator();
    m_value = new QSpinBox(this);
    m_value->setFixedWidth(150);
    m_value->setValue(m_filter ? m_filter->value().toInt() : 0);
    m_layout->addWidget(m_value);
    m_layout->addStretch();
}

} // namespace Vexal
