#include "data/SchemaScript.h"

#include <QRegularExpression>

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

const QList<Step>& steps()
{
    static const QList<Step> all{
        // The start-up finds the active project without reading the others.
        {"IdxProjectActive"},
    };
    return all;
}

int version()
{
    return steps().size();
}

QString versionStatement(int version)
{
    return QStringLiteral("PRAGMA user_version = %1").arg(version < 0 ? SchemaScript::version() : version);
}

QString createdObject(const QString& statement, QString* type)
{
    static const QRegularExpression created(
        QStringLiteral("^CREATE\\s+(?:UNIQUE\\s+)?(TABLE|VIEW|INDEX|TRIGGER)\\s+(?:IF\\s+NOT\\s+EXISTS\\s+)?(\\w+)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = created.match(statement);
    if (type)
        *type = match.captured(1).toUpper();
    return match.captured(2);
}

QString createStatement(const QStringList& statements, const QString& name)
{
    for (const QString& statement : statements) {
        if (!name.isEmpty() && createdObject(statement).compare(name, Qt::CaseInsensitive) == 0)
            return statement;
    }
    return QString();
}

} // namespace SchemaScript
} // namespace Vexal
