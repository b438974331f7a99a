#include "data/DBSchema.h"

#include "texts/LocaleMessage.h"
#include "texts/LocaleSql.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

// Resources of a static library must be registered by name, outside any namespace.
static void initSchemaResource()
{
    Q_INIT_RESOURCE(schema);
}

namespace Vexal {

QString DBSchema::script()
{
    static const bool registered = (initSchemaResource(), true);
    Q_UNUSED(registered)
    QFile file(QStringLiteral(":/sql/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QStringList DBSchema::statements()
{
    QString text;
    const QStringList lines = script().split(QLatin1Char('\n'));
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

bool DBSchema::create(QSqlDatabase db, QString* errorText)
{
    const QStringList all = statements();
    if (all.isEmpty()) {
        if (errorText)
            *errorText = LocaleMessage::fileMissing();
        return false;
    }
    if (!db.transaction()) {
        if (errorText)
            *errorText = LocaleSql::sqlQueryFailed(QStringLiteral("BEGIN"), db.lastError().text());
        return false;
    }
    for (const QString& statement : all) {
        QSqlQuery query(db);
        if (!query.exec(statement)) {
            if (errorText)
                *errorText = LocaleSql::sqlQueryFailed(statement, query.lastError().text());
            query.finish();
            db.rollback();
            return false;
        }
    }
    if (!db.commit()) {
        if (errorText)
            *errorText = LocaleSql::sqlQueryFailed(QStringLiteral("COMMIT"), db.lastError().text());
        db.rollback();
        return false;
    }
    return true;
}

} // namespace Vexal
