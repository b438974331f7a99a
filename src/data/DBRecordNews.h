#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace Vexal {

// Tells the lists which tables' rows were stored. Every connection that
// DBConnection hands out is watched: SQLite names the table of each row that
// a statement inserts, updates or deletes, and the tables of a transaction
// become news for the signal hub (UtilSignalManager::emitRecordsChanged) once
// the transaction is committed; a rolled back one is no news. So records,
// lists, canned statements, the import's own statements and the jobs are
// heard alike, wherever they store.
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

    // Watches the rows the connection changes; cheap once it is watched.
    static void watch(QSqlDatabase db);
    // Hands the news of the calling thread's committed transactions to the
    // hub.
    static void tell();

    // The tables whose rows a table or a view lists: the table itself, or
    // every table the view's statement names. Asked of the calling thread's
    // connection; an unknown source is taken for a table.
    static QStringList sourceTables(const QString& source);
    // Whether news of the tables concern a list of the sources' rows.
    static bool concerns(const QStringList& sources, const QStringList& tables);
};

} // namespace Vexal
