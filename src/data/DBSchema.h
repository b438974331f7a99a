#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace Vexal {

// The schema of a new database: one SQL script kept as a resource, used by
// the start-up (for a database file that does not exist yet) and the tests.
class DBSchema final
{
public:
    DBSchema() = delete;

    // The whole script; empty when the resource is missing.
    static QString script();
    // Its statements in order, without comments and separators.
    static QStringList statements();
    // The bytes of a new database file: the script run into an empty file
    // when the program was built (its statements as create() runs them), in
    // the rollback-journal mode. Opening it costs far less than running the
    // script.
    static QByteArray newDatabase();
    // Runs the script on an open connection in one transaction. On failure
    // nothing is left behind and errorText (when given) holds the message.
    static bool create(QSqlDatabase db, QString* errorText = nullptr);
    // The same for a database that may be shared: in one write transaction,
    // and only when it holds no schema object yet (checked inside that
    // transaction, so that of several programs only one fills it). `made`
    // (when given) tells whether this call filled it.
    static bool createWhenEmpty(QSqlDatabase db, QString* errorText = nullptr, bool* made = nullptr);
};

} // namespace Vexal
