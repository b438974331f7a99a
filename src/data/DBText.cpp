#include "data/DBText.h"

#include <QStringList>

namespace Vexal {

QString DBText::quote(const QString& text)
{
    const QLatin1Char quoteChar('\'');
    const QStringList parts = text.split(QChar(0));
    QStringList literals;
    literals.reserve(parts.size());
    for (QString part : parts) {
        part.replace(quoteChar, QLatin1String("''"));
        literals << QString(quoteChar + part + quoteChar);
    }
    return literals.join(QLatin1String("||char(0)||"));
}

QString DBText::escapeLike(const QString& text)
{
    QString result;
    result.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            result += QLatin1Char('\\');
        result += c;
    }
    return result;
}

QString DBText::likeEscape()
{
    return QStringLiteral("ESCAPE '\\'");
}

QString DBText::containsCondition(const QString& column, const QString& placeholder, const QString& needle)
{
    if (needle.contains(QChar(0)))
        return QStringLiteral("instr(lower(%1), lower(%2)) > 0").arg(column, placeholder);
    return QStringLiteral("%1 LIKE %2 %3").arg(column, placeholder, likeEscape());
}

QString DBText::containsValue(const QString& needle)
{
    if (needle.contains(QChar(0)))
        return needle;
    return QString(QLatin1Char('%') + escapeLike(needle) + QLatin1Char('%'));
}

} // namespace Vexal
