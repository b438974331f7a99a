#include "data/SchemaScript.h"

namespace Vexal {
namespace SchemaScript {

QStringList statements(const QString& script)
{
    QString text;
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.trimmed().startsWith(QLatin1String("--")))
            continue;
        text += line;
        text += QLatin1Char('\n');
    }
    QStringList result;
    const QStringList parts = text.split(QLatin1Char(';'));
    for (const QString& part : parts) {
        const QString statement = part.trimmed();
        if (!statement.isEmpty())
            result << statement;
    }
    return result;
}

} // namespace SchemaScript
} // namespace Vexal
