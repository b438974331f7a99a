#include "views/WidFilterBase.h"

#include "texts/LocaleFilter.h"
#include "widgets/UtilGui.h"
#include "views/SqlFilter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMetaProperty>

namespace Vexal {

namespace {
constexpr int fixedWidth = 150;
}

WidFilterBase::WidFilterBase(QWidget* parent, Operators operators, int fit)
    : QWidget(parent)
    , m_operators(operators)
    , m_fit(fit)
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
    if (!m_valueWidget)
        return QVariant();
    return m_valueWidget->metaObject()->userProperty().read(m_valueWidget);
}

void WidFilterBase::followRowAbove()
{
    if (!m_headerEdit)
        return;
    QSizePolicy policy = m_headerEdit->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    m_headerEdit->setSizePolicy(policy);
    m_headerEdit->hide();
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

    addOperators();
    selectOperator();

    // A fresh editor already shows the empty value, so only a filter's
    // value is written; the user property converts it to the editor's type.
    m_valueWidget = createValueWidget();
    if (m_filter)
        m_valueWidget->metaObject()->userProperty().write(m_valueWidget, m_filter->value());
    if (m_fit & FillWidth)
        m_valueWidget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    if (m_fit & FixedWidth)
        m_valueWidget->setFixedWidth(fixedWidth);
    m_layout->addWidget(m_valueWidget);
    if (m_fit & StretchAfter)
        m_layout->addStretch();
}

void WidFilterBase::addOperator(const QString& text, int code)
{
    m_operatorBox->addItem(text, code);
}

void WidFilterBase::addOperators()
{
    switch (m_operators) {
    case EqualOnly:
        addOperator(SqlFilter::operatorText(SqlFilter::Equal), SqlFilter::Equal);
        break;
    case Comparisons: {
        const int codes[] = {SqlFilter::Equal, SqlFilter::NotEqual,   SqlFilter::Less,
                             SqlFilter::LessOrEqual, SqlFilter::Greater, SqlFilter::GreaterOrEqual};
        for (int code : codes)
            addOperator(SqlFilter::operatorText(code), code);
        break;
    }
    case TextMatches:
        addOperator(LocaleFilter::like(), SqlFilter::Contains);
        addOperator(LocaleFilter::startsWith(), SqlFilter::StartsWith);
        addOperator(LocaleFilter::endsWith(), SqlFilter::EndsWith);
        addOperator(LocaleFilter::equals(), SqlFilter::Equal);
        addOperator(LocaleFilter::doesNotEqual(), SqlFilter::NotEqual);
        break;
    }
}

void WidFilterBase::selectOperator()
{
    const int code = m_filter ? m_filter->operatorCode() : -1;
    const int index = m_operatorBox->findData(code, Qt::UserRole);
    m_operatorBox->setCurrentIndex(index >= 0 ? index : 0);
}

} // namespace Vexal
