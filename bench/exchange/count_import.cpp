#include "data/DBCache.h"
#include "data/DBOptions.h"
#include "exchange/ThreadXmlImport.h"

#include <QApplication>
#include <QSqlDatabase>

#include <cstdio>

#include "../CallgrindMarks.h"

// Under callgrind (started with --instr-atstart=no), counts the instructions
// of one import of FILE into the database file DATABASE, from the job's start
// to its end, into a dump of its own ("import"). Prints the job's error, if
// any, and fails with it.
//
//   exchange_count DATABASE FILE
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(QString::fromLocal8Bit(argv[1]));
    if (!db.open())
        return 1;
    Vexal::DBOptions options;
    options.setOverrideOnImport(false);
    Vexal::DBCache::setOptions(&options);
    bool done = false;
    {
        Vexal::ThreadXmlImport job({QString::fromLocal8Bit(argv[2])});
        CALLGRIND_START_INSTRUMENTATION;
        CALLGRIND_ZERO_STATS;
        job.start();
        done = job.wait() && job.isSuccessful();
        CALLGRIND_DUMP_STATS_AT("import");
        if (!done)
            std::fprintf(stderr, "%s\n", qPrintable(job.errorText()));
    }
    Vexal::DBCache::reset();
    db.close();
    return done ? 0 : 1;
}
