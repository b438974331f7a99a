#include "views/WidDateFilter.h"

#include "views/SqlFilter.h"

#include <QDateEdit>
#include <QHBoxLayout>

namespace Vexal {

WidDateFilter::WidDateFilter(QWidget* parent)
    : WidFilterBase(parent)
{
}

QVariant WidDateFilter::value() const
{
    return m_value ? QVariant(m_value->date()) : QVariant();
}

void WidDateFilter::create()
{
    WidFilterBase::create();
    addComparisonOperators();
    selectOperator();
    m_value = new QDateEdit(this);
    if (m_filter)
        m_value->setDate(m_filter->value().toDate());
    m_layout->addWidget(m_value);
    m_layout->addStretch();
}

} // namespace Vexal
