#include "views/WidBoolFilter.h"

#include "views/SqlFilter.h"

#include <QCheckBox>
#include <QHBoxLayout>

namespace Vexal {

WidBoolFilter::WidBoolFilter(QWidget* parent)
    : WidFilterBase(parent)
{
}

QVariant WidBoolFilter::value() const
{
    return m_value ? QVariant(m_value->isChecked()) : QVariant();
}

void WidBoolFilter::create()
{
    WidFilterBase::create();
    addOperator(SqlFilter::operatorText(SqlFilter::Equal), SqlFilter::Equal);
    selectOperator();
    m_value = new QCheckBox(this);
    m_value->setChecked(m_filter && m_filter->value().toBool());
    m_value->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_layout->addWidget(m_value);
}

} // namespace Vexal
