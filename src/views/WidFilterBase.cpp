#include "views/WidFilterBase.h"

#include "widgets/UtilGui.h"
#include "views/SqlFilter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>

namespace Vexal {

namespace {
constexpr int fixedWidth = 150;
}

WidFilterBase::WidFilterBase(QWidget* parent)
    : QWidget(parent)
{
}

void WidFilterBase::setFilter(QObject* filter)
{
    m_filter = qobject_cast<SqlFilter*>(filter);
    create();
}

void WidFilterBase::store()
{
    if (!m_filter || !m_operatorBox)
        return;
    m_filter->setEnabled(m_enabledBox->isChecked());
    m_filter->setOperator(m_operatorBox->currentData(Qt::UserRole).toInt());
    m_filter->setValue(value());
}

QVariant WidFilterBase::value() const
{
    return QVariant();
}

void WidFilterBase::create()
{
    m_enabledBox = new QCheckBox(this);
    m_enabledBox->setChecked(m_filter && m_filter->isEnabled());
    m_headerEdit = new QLineEdit(this);
    m_headerEdit->setReadOnly(true);
    m_headerEdit->setText(m_filter ? m_filter->header() : QString());
    m_headerEdit->setFixedWidth(fixedWidth);
    m_operatorBox = new QComboBox(this);
    m_operatorBox->setFixedWidth(fixedWidth);
    m_layout = UtilGui::createHBoxLayout(this);
    m_layout->addWidget(m_enabledBox);
    m_layout->addWidget(m_headerEdit);
    m_layout->addWidget(m_operatorBox);
}

void WidFilterBase::addOperator(const QString& text, int code)
{
    m_operatorBox->addItem(text, code);
}

void WidFilterBase::addComparisonOperators()
{
    const int codes[] = {SqlFilter::Equal, SqlFilter::NotEqual,   SqlFilter::Less,
                         SqlFilter::LessOrEqual, SqlFilter::Greater, SqlFilter::GreaterOrEqual};
    for (int code : codes)
        addOperator(SqlFilter::operatorText(code), code);
}

void WidFilterBase::selectOperator()
{
    const int code = m_filter ? m_filter->operatorCode() : -1;
    const int index = m_operatorBox->findData(code, Qt::UserRole);
    m_operatorBox->setCurrentIndex(index >= 0 ? index : 0);
}

} // namespace Vexal
