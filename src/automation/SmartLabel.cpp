#include "automation/SmartLabel.h"

#include "automation/ConstSmart.h"
#include "core/Convert.h"

namespace Vexal {

SmartLabel::SmartLabel(QObject* parent)
    : QObject(parent)
{
}

void SmartLabel::setElement(const QWebElement& element)
{
    m_element = element;
    m_isText = false;
}

void SmartLabel::setText(const QString& text)
{
    m_text = text;
    m_isText = true;
    m_wordCount = text.split(QLatin1Char(' '), Qt::SkipEmptyParts, Qt::CaseSensitive).size();
}

QString SmartLabel::typeAttribute() const
{
    return m_element.attribute(ConstSmart::attrType());
}

QString SmartLabel::name() const
{
    return m_element.attribute(ConstSmart::attrName());
}

QString SmartLabel::id() const
{
    return m_element.attribute(ConstSmart::attrId());
}

QString SmartLabel::toString() const
{
    if (m_isText) {
        const QString pattern = m_bold ? QStringLiteral("B -> %1...") : QStringLiteral("N -> %1...");
        return pattern.arg(Convert::leftText(m_text, 30));
    }
    return QStringLiteral("<%1 type='%2' id='%3' name='%4'>")
        .arg(m_element.tagName(), typeAttribute(), id(), name());
}

} // namespace Vexal
