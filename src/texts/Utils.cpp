#include "texts/Utils.h"

#include "core/Convert.h"
#include "texts/LocaleBase.h"

#include <QStringList>

namespace Vexal {

QString Utils::elideText(const QString& text, int max, bool pad)
{
    const QString shown = text.isEmpty() ? LocaleBase::untitled() : text;
    if (shown.size() >= max - 2)
        return Convert::leftText(shown, qMax(0, max - 3)) + QStringLiteral("...");
    if (pad)
        return shown.leftJustified(max, QLatin1Char(' '));
    return shown;
}

QString Utils::escapeMnemonic(const QString& text)
{
    QString escaped = text;
    return escaped.replace(QLatin1Char('&'), QLatin1String("&&"));
}

QString Utils::elideTwoLines(const QString& first, const QString& second)
{
    if (second.isEmpty())
        return elideText(first, 80, false);
    return elideText(first, 80, false) + QLatin1Char('\n') + elideText(second, 80, false);
}

QString Utils::normalizeTags(const QString& tags)
{
    return tags.split(QLatin1Char(','), Qt::SkipEmptyParts).join(QLatin1Char(','));
}

} // namespace Vexal
