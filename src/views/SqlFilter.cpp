#include "views/SqlFilter.h"

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
        const bool like = m_operatorCode == Contains || m_operatorCode == StartsWith
                          || m_operatorCode == EndsWith;
        // SQLite's LIKE reads both sides only up to a NUL, so a NUL cannot take
        // part in a pattern; elsewhere the quoting keeps it for an exact match.
        if (like)
            text.remove(QChar(0));
        // The user's own % and _ keep their LIKE meaning.
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
        return DBText::quote(m_value.toDate().toString(QStringLiteral("yyyy-MM-dd")));
    case 4:
        return DBText::quote(m_value.toDateTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")));
    default:
        return QString();
    }
}

QString SqlFilter::conditionText() const
{
    return QStringLiteral("%1 %2 %3").arg(m_column, operatorText(), valueText());
}

} // namespace Vexal
