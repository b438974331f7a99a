#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace Vexal {

// Tells the lists which rows were stored. Every connection that DBConnection
// hands out reports its changes: SQLite names the table and rowid of each row
// that a statement inserts, updates or deletes, and the rows of a
// transaction become news for the signal hub (UtilSignalManager::
// emitRecordsChanged, as RecordChanges) once the transaction is committed; a
// rolled back one is no news. So records, lists, canned statements, the
// import's own statements and the jobs are heard alike, wherever they store.
//
// The window's connection hands its news on at the commit: the hub delivers
// them when the GUI thread next runs its events, after the commit has ended.
// A job's connection keeps them until the job's next statement or the end of
// its connection (DBConnection), so that a list never reads before the job's
// rows are in the file.
class DBRecordNews final
{
public:
    DBRecordNews() = delete;

    // Makes the connection report the rows it changes; cheap once it does.
    // True when the connection did not report them before (a connection
    // new since the last call).
    static bool reportChanges(QSqlDatabase db);
    // Hands the changes of the calling thread's committed transactions to
    // the hub.
    static void sendCommittedChanges();

    // The tables whose rows a table or a view lists: the table itself, or
    // every table the view's statement reads (those of the views it reads
    // too), as SQLite's authorizer names them while it prepares a query of
    // the source. Asked of the calling thread's connection; an unknown
    // source is taken for a table.
    static QStringList tablesListedBy(const QString& source);
    // The table whose rowids are the IDs (column "ID") of the rows that a
    // table or a view lists: the table itself when ID is its rowid, or the
    // table a view takes ID from (where ID is that table's rowid).
    // Empty when there is none, or when two of the view's columns show one
    // column of that table (the table joined to itself): news of such a
    // list's rows do not say which of its rows changed.
    static QString idTableOf(const QString& source);

    // An authorizer of SQLite (sqlite3_set_authorizer), set on a connection
    // through here or not at all: SQLite cannot tell which one a connection
    // has, and the record news, which put one of their own in place while
    // they prepare a query of a source, set this one back after. Null
    // removes it.
    using Authorizer = int (*)(void*, int, const char*, const char*, const char*, const char*);
    static void setAuthorizer(QSqlDatabase db, Authorizer authorizer, void* context);
};

} // namespace Vexal
