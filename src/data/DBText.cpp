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

} // namespace Vexal
