#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>

#include "data/SchemaScript.h"

namespace Vexal {

// The schema of a new database: one SQL script kept as a resource, used by
// the start-up (for a database file that does not exist yet) and the tests;
// and the steps that bring the schema of a file made by an earlier version
// up to date (SchemaScript::steps).
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
    // The version of the script's schema, which new files are marked with.
    static int version();
    // The version mark of an open file (SQLite's user_version; 0 in files
    // made before the mark), or -1 when it cannot be read: `error` (when
    // given) then tells why.
    static int fileVersion(QSqlDatabase db, QSqlError* error = nullptr);

    // Runs the script on an open connection in one transaction. On failure
    // nothing is left behind and errorText (when given) holds the message.
    static bool create(QSqlDatabase db, QString* errorText = nullptr);
    // The same for a database that may be shared: in one write transaction,
    // and only when it holds no schema object yet (checked inside that
    // transaction, so that of several programs only one fills it). `made`
    // (when given) tells whether this call filled it.
    static bool createWhenEmpty(QSqlDatabase db, QString* errorText = nullptr, bool* made = nullptr);
    // Brings the schema of a file that an earlier version made up to date,
    // once: in one write transaction that reads the mark again (so that of
    // several programs only one takes the steps), the steps the file lacks
    // in their order, then the mark of this version. A file of this version
    // is left as it is, and so is a file without the mark that lacks a table
    // of the script (another program's), or that another program holds
    // locked past the wait (a later start takes the steps). A file of a
    // newer version, and one whose step fails (a file that cannot be
    // written among them), is refused and left unchanged: false, and the
    // message in errorText. `taken` (when given) gets the names of the steps
    // that added their object.
    static bool bringUpToDate(QSqlDatabase db, QString* errorText = nullptr, QStringList* taken = nullptr);
    // The same with the steps given (their number is the version): the
    // tests' way to take a step that the program has not yet.
    static bool bringUpToDate(QSqlDatabase db, const QList<SchemaScript::Step>& steps, QString* errorText,
                              QStringList* taken);
};

} // namespace Vexal
