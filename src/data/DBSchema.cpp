#include "data/DBSchema.h"

#include "data/DBConnection.h"
#include "data/SchemaScript.h"
#include "core/Logger.h"
#include "texts/LocaleMessage.h"
#include "texts/LocaleSql.h"

#include <QFile>
#include <QSet>
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
    for (const QString& statement : all + QStringList{SchemaScript::versionStatement()}) {
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

int DBSchema::version()
{
    return SchemaScript::version();
}

namespace {

QString versionQuery()
{
    return QStringLiteral("PRAGMA user_version;");
}

} // namespace

int DBSchema::fileVersion(QSqlDatabase db, QSqlError* error)
{
    QSqlQuery query(db);
    if (query.exec(versionQuery()) && query.next())
        return query.value(0).toInt();
    if (error)
        *error = query.lastError();
    return -1;
}

bool DBSchema::create(QSqlDatabase db, QString* errorText)
{
    return runInTransaction(db, QStringLiteral("BEGIN"), false, errorText, nullptr);
}

bool DBSchema::createWhenEmpty(QSqlDatabase db, QString* errorText, bool* made)
{
    return runInTransaction(db, QStringLiteral("BEGIN IMMEDIATE"), true, errorText, made);
}

namespace {

// What a user can act on in a failure of the update, else its whole text.
QString causeOf(QSqlDatabase db, const QSqlError& error)
{
    const QString cause = DBConnection::failureCause(db, error);
    return cause.isEmpty() ? DBConnection::errorText(db, error) : cause;
}

// Names (in lower case, as SQLite compares them) of the file's schema
// objects; false when they cannot be read.
bool objectNames(QSqlDatabase db, QSet<QString>* names, QSqlError* error)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master;"))) {
        *error = query.lastError();
        return false;
    }
    while (query.next())
        names->insert(query.value(0).toString().toLower());
    return true;
}

// True when the file holds every table of the script that no step adds:
// one that lacks any is not a file of this program, and no step is taken in
// it. A table a step adds (a kind of record newer than the file) it may lack.
bool holdsEveryTable(const QStringList& script, const QList<SchemaScript::Step>& steps, const QSet<QString>& names)
{
    QSet<QString> added;
    for (const SchemaScript::Step& step : steps) {
        if (!step.statement)
            added.insert(QString::fromLatin1(step.name).toLower());
    }
    for (const QString& statement : script) {
        QString type;
        const QString name = SchemaScript::createdObject(statement, &type).toLower();
        if (type == QLatin1String("TABLE") && !names.contains(name) && !added.contains(name))
            return false;
    }
    return true;
}

} // namespace

bool DBSchema::bringUpToDate(QSqlDatabase db, QString* errorText, QStringList* taken)
{
    return bringUpToDate(db, SchemaScript::steps(), errorText, taken);
}

bool DBSchema::bringUpToDate(QSqlDatabase db, const QList<SchemaScript::Step>& steps, QString* errorText,
                             QStringList* taken)
{
    const int latest = steps.size();
    if (taken)
        taken->clear();
    const QString file = db.databaseName();
    QSqlError error;
    int found = fileVersion(db, &error);
    if (found < 0) {
        // Locked by another program: its own start may be taking the steps.
        return DBConnection::isBusy(error)
            || fail(errorText, LocaleSql::sqlQueryFailed(versionQuery(), DBConnection::errorText(db, error)));
    }
    if (found == latest)
        return true;
    if (found > latest)
        return fail(errorText, LocaleMessage::schemaNewer(file, found, latest));

    const QString firstStep = QLatin1String(steps.at(found).name);
    {
        QSqlQuery begin(db);
        if (!begin.exec(DBConnection::beginWriteText())) {
            return DBConnection::isBusy(begin.lastError())
                || fail(errorText, LocaleMessage::schemaStepFailed(file, firstStep, causeOf(db, begin.lastError())));
        }
    }
    // Another start may have taken the steps before this one got the lock.
    const auto refuse = [&](const QString& text) {
        db.rollback();
        return fail(errorText, text);
    };
    found = fileVersion(db, &error);
    QSet<QString> names;
    if (found < 0 || !objectNames(db, &names, &error))
        return refuse(LocaleMessage::schemaStepFailed(file, firstStep, causeOf(db, error)));
    if (found > latest)
        return refuse(LocaleMessage::schemaNewer(file, found, latest));
    const QStringList script = statements();
    if (found == latest || (found == 0 && !holdsEveryTable(script, steps, names))) {
        db.rollback();
        return true;
    }

    QStringList added;
    for (int i = found; i < steps.size(); ++i) {
        const SchemaScript::Step& step = steps.at(i);
        const QString name = QLatin1String(step.name);
        // A file of an earlier build may have the object already.
        if (!step.statement && names.contains(name.toLower()))
            continue;
        const QString statement = step.statement ? QString::fromUtf8(step.statement)
                                                 : SchemaScript::createStatement(script, name);
        if (statement.isEmpty())
            return refuse(LocaleMessage::schemaStepFailed(file, name, LocaleMessage::fileMissing()));
        QSqlQuery query(db);
        if (!query.exec(statement))
            return refuse(LocaleMessage::schemaStepFailed(file, name, causeOf(db, query.lastError())));
        added << name;
        if (!step.statement) {
            names.insert(name.toLower());
            continue;
        }
        // A statement of its own may drop an object (a view that changes is
        // dropped, then made again by a step of its name): the file's objects
        // are read again.
        names.clear();
        if (!objectNames(db, &names, &error))
            return refuse(LocaleMessage::schemaStepFailed(file, name, causeOf(db, error)));
    }
    // The mark and the commit end the last step.
    for (const QString& statement : {SchemaScript::versionStatement(latest), QStringLiteral("COMMIT")}) {
        // Through a query, whose error keeps SQLite's code.
        QSqlQuery query(db);
        if (!query.exec(statement)) {
            return refuse(LocaleMessage::schemaStepFailed(file, QLatin1String(steps.last().name),
                                                          causeOf(db, query.lastError())));
        }
    }
    Logger::note(LocaleMessage::schemaUpdated(file, latest, added));
    if (taken)
        *taken = added;
    return true;
}

} // namespace Vexal
