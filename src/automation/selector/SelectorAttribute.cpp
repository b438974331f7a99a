#include "automation/selector/SelectorAttribute.h"

#include "automation/selector/ConstSelector.h"
#include "core/Convert.h"

namespace Vexal {

SelectorAttribute::SelectorAttribute(QObject* parent)
    : QObject(parent)
{
}

SelectorAttribute::SelectorAttribute(const QString& name, const QString& value, QObject* parent)
    : QObject(parent)
    , m_name(name)
    , m_value(value)
{
}

int SelectorAttribute::intValue() const
{
    return Convert::toInt(m_value);
}

QString SelectorAttribute::comparisonText(int comparison)
{
    switch (comparison) {
    case Equal: return QStringLiteral("=");
    case NotEqual: return QStringLiteral("!=");
    case Contains: return QStringLiteral("%%");
    case StartsWith: return QStringLiteral("=%");
    case EndsWith: return QStringLiteral("%=");
    default: return QString();
    }
}

QString SelectorAttribute::keywordText(int keyword)
{
    switch (keyword) {
    case KeywordFirst: return ConstSelector::xFirst();
    case KeywordLast: return ConstSelector::xLast();
    case KeywordText: return ConstSelector::xText();
    case KeywordTrimmed: return ConstSelector::xTrimmed();
    case KeywordName: return ConstSelector::xName();
    default: return QString();
    }
}

void SelectorAttribute::toText(QString& out) const
{
    out += m_keyword == KeywordAttribute ? m_name : keywordText(m_keyword);
    out += comparisonText(m_comparison);
    out += QLatin1Char('"');
    out += m_value;
    out += QLatin1Char('"');
}

} // namespace Vexal
