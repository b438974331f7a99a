#include "views/WidStringFilter.h"

#include "texts/LocaleFilter.h"
#include "views/SqlFilter.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>

namespace Vexal {

WidStringFilter::WidStringFilter(QWidget* parent)
    : WidFilterBase(parent)
{
}

QVariant WidStringFilter::value() const
{
    return m_value ? QVariant(m_value->text()) : QVariant();
}

void WidStringFilter::create()
{
    WidFilterBase::create();
    addOperator(LocaleFilter::like(), SqlFilter::Contains);
    addOperator(LocaleFilter::startsWith(), SqlFilter::StartsWith);
    addOperator(LocaleFilter::endsWith(), SqlFilter::EndsWith);
    addOperator(LocaleFilter::equals(), SqlFilter::Equal);
    addOperator(LocaleFilter::doesNotEqual(), SqlFilter::NotEqual);
    selectOperator();
    m_value = new QLineEdit(this);
    m_value->setText(m_filter ? m_filter->value().toString() : QString());
    m_layout->addWidget(m_value);
}

} // namespace Vexal
