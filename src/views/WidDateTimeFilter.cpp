#include "views/WidDateTimeFilter.h"

#include "views/SqlFilter.h"

#include <QDateTimeEdit>
#include <QHBoxLayout>

namespace Vexal {

WidDateTimeFilter::WidDateTimeFilter(QWidget* parent)
    : WidFilterBase(parent)
{
}

QVariant WidDateTimeFilter::value() const
{
    return m_value ? QVariant(m_value->dateTime()) : QVariant();
}

void WidDateTimeFilter::create()
{
    WidFilterBase::create();
    addComparisonOperators();
    selectOperator();
    m_value = new QDateTimeEdit(this);
    if (m_filter)
        m_value->setDateTime(m_filter->value().toDateTime());
    m_layout->addWidget(m_value);
    m_layout->addStretch();
}

} // namespace Vexal
