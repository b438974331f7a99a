#include "views/SqlFilter.h"

#include "data/DBBase.h"
#include "data/DBText.h"

#include <QDate>
#include <QDateTime>
#include <QtNumeric>

namespace Vexal {

SqlFilter::SqlFilter(QObject* parent)
    : QObject(parent)
{
}

void SqlFilter::setDefaultValue()
{
    switch (m_type) {
    case 0:
    case 6:
        m_value = QString(QLatin1String(""));
        break;
    case 1:
        m_value = 0;
        break;
    case 2:
        m_value = 0.0;
        break;
    case 3:
        m_value = QDate::currentDate();
        break;
    case 4:
        m_value = QDateTime::currentDateTime();
        break;
    case 5:
        m_value = false;
        break;
    default:
        break;
    }
}

QString SqlFilter::operatorText() const
{
    return operatorText(m_operatorCode);
}

QString SqlFilter::operatorText(int code)
{
    switch (code) {
    case Equal:
        return QStringLiteral("=");
    case NotEqual:
        return QStringLiteral("<>");
    case Contains:
    case StartsWith:
    case EndsWith:
        return QStringLiteral("like");
    case Greater:
        return QStringLiteral(">");
    case GreaterOrEqual:
        return QStringLiteral(">=");
    case Less:
        return QStringLiteral("<");
    case LessOrEqual:
        return QStringLiteral("<=");
    default:
        return QString();
    }
}

QString SqlFilter::valueText() const
{
    switch (m_type) {
    case 0:
    case 6: {
        QString text = m_value.toString();
        // The user's own % and _ keep their LIKE meaning. A text with a NUL is
        // no pattern (conditionText matches it whole).
        if (m_operatorCode == Contains || m_operatorCode == EndsWith)
            text.prepend(QLatin1Char('%'));
        if (m_operatorCode == Contains || m_operatorCode == StartsWith)
            text.append(QLatin1Char('%'));
        return DBText::quote(text);
    }
    case 1:
    case 5:
        return QString::number(m_value.toInt());
    case 2: {
        // "inf" or "nan" would read as a column name and fail the select.
        const double number = m_value.toDouble();
        return QString::number(qIsFinite(number) ? number : 0.0, 'g', 6);
    }
    case 3:
        return DBText::quote(DBBase::dateValue(m_value.toDate()).toString());
    case 4:
        return DBText::quote(DBBase::dateTimeValue(m_value.toDateTime()).toString());
    default:
        return QString();
    }
}

QString SqlFilter::conditionText() const
{
    const bool like = m_operatorCode == Contains || m_operatorCode == StartsWith || m_operatorCode == EndsWith;
    if (like && isTextKind(m_type)) {
        const QString text = m_value.toString();
        if (text.contains(QChar(0)))
            return nulTextCondition(text);
    }
    return QStringLiteral("%1 %2 %3").arg(m_column, operatorText(), valueText());
}

// SQLite's LIKE reads both of its texts only up to the first NUL, so a NUL
// cannot take part in a pattern: dropped, a lone NUL would leave "%%" and
// show every row. Such a text is matched whole instead, with the ASCII case
// folding of LIKE (lower), its % and _ as plain characters: instr() and hex()
// read the whole text, where substr() and length() stop at a NUL. Hex digits
// of the UTF-8 bytes line up at both ends, so a match anchored there is one
// of whole characters.
QString SqlFilter::nulTextCondition(const QString& text) const
{
    const QString literal = QStringLiteral("lower(%1)").arg(DBText::quote(text));
    const QString column = QStringLiteral("lower(%1)").arg(m_column);
    switch (m_operatorCode) {
    case StartsWith:
        return QStringLiteral("instr(%1, %2) = 1").arg(column, literal);
    case EndsWith:
        return QStringLiteral("hex(%1) like '%' || hex(%2)").arg(column, literal);
    default:
        return QStringLiteral("instr(%1, %2) > 0").arg(column, literal);
    }
}

} // namespace Vexal
