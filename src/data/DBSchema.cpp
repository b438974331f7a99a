#include "data/DBSchema.h"

#include "data/DBConnection.h"
#include "data/SchemaScript.h"
#include "texts/LocaleMessage.h"
#include "texts/LocaleSql.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

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
    return SchemaScript::statements(script());
}

namespace {

bool fail(QString* errorText, const QString& text)
{
    if (errorText)
        *errorText = text;
    return false;
}

// Runs the statements inside the transaction that `begin` opens; on failure
// rolls it back.
bool runInTransaction(QSqlDatabase db, const QString& begin, bool onlyWhenEmpty, QString* errorText, bool* made)
{
    if (made)
        *made = false;
    const QStringList all = DBSchema::statements();
    if (all.isEmpty())
        return fail(errorText, LocaleMessage::fileMissing());
    {
        QSqlQuery query(db);
        if (!query.exec(begin))
            return fail(errorText, LocaleSql::sqlQueryFailed(begin, query.lastError().text()));
    }
    if (onlyWhenEmpty) {
        QSqlQuery query(db);
        const QString count = QStringLiteral("SELECT COUNT(*) FROM sqlite_master;");
        if (!query.exec(count) || !query.next()) {
            const QString error = LocaleSql::sqlQueryFailed(count, query.lastError().text());
            query.finish();
            db.rollback();
            return fail(errorText, error);
        }
        if (query.value(0).toInt() != 0) {
            query.finish();
            db.rollback();
            return true;
        }
    }
    for (const QString& statement : all) {
        QSqlQuery query(db);
        if (!query.exec(statement)) {
            const QString error = LocaleSql::sqlQueryFailed(statement, DBConnection::errorText(db, query.lastError()));
            query.finish();
            db.rollback();
            return fail(errorText, error);
        }
    }
    {
        // Through a query, whose error keeps SQLite's code.
        QSqlQuery query(db);
        const QString commit = QStringLiteral("COMMIT");
        if (!query.exec(commit)) {
            const QString error = LocaleSql::sqlQueryFailed(commit, DBConnection::errorText(db, query.lastError()));
            query.finish();
            db.rollback();
            return fail(errorText, error);
        }
    }
    if (made)
        *made = true;
    return true;
}

} // namespace

bool DBSchema::create(QSqlDatabase db, QString* errorText)
{
    return runInTransaction(db, QStringLiteral("BEGIN"), false, errorText, nullptr);
}

bool DBSchema::createWhenEmpty(QSqlDatabase db, QString* errorText, bool* made)
{
    return runInTransaction(db, QStringLiteral("BEGIN IMMEDIATE"), true, errorText, made);
}

} // namespace Vexal
