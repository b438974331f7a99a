#include "data/DBCache.h"
#include "data/DBOptions.h"
#include "data/DBSchema.h"
#include "core/DBSql.h"
#include "exchange/ThreadXmlExport.h"
#include "exchange/ThreadXmlImport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <benchmark/benchmark.h>

namespace {

constexpr int rowCount = 100000;

// A temporary folder as the current directory with a fresh database there,
// opened as the default connection; optionally 100,000 projects in it.
class ExchangeDatabase
{
public:
    explicit ExchangeDatabase(bool fill)
    {
        QDir::setCurrent(m_dir.path());
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        db.setDatabaseName(m_dir.filePath(QStringLiteral("TesvarBrowser.db")));
        db.open();
        Vexal::DBSchema::create(db);
        if (fill)
            fillProjects();
    }
    ~ExchangeDatabase()
    {
        QSqlDatabase::database().close();
        QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }

private:
    void fillProjects()
    {
        QSqlDatabase db = QSqlDatabase::database();
        db.transaction();
        QSqlQuery query(db);
        query.prepare(QStringLiteral("INSERT INTO %1 (%2, %3, %4, %5) VALUES (?, ?, 0, ?)")
                          .arg(Vexal::DBSql::tableProject(), Vexal::DBSql::colName(), Vexal::DBSql::colComments(),
                               Vexal::DBSql::colActive(), Vexal::DBSql::colURL()));
        for (int i = 0; i < rowCount; ++i) {
            query.addBindValue(QStringLiteral("Project %1").arg(i));
            query.addBindValue(QStringLiteral("Comments of project %1").arg(i));
            query.addBindValue(QStringLiteral("http://www.site%1.example/").arg(i));
            query.exec();
        }
        db.commit();
    }

    QTemporaryDir m_dir;
};

// The sqlite3 command-line tool running a script on a database file; false
// when it fails. The comparison needs the tool (Debian package "sqlite3").
bool sqlite3(const QString& database, const QString& script)
{
    QProcess process;
    process.start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), QStringLiteral("-bail"), database});
    if (!process.waitForStarted())
        return false;
    process.write(script.toUtf8());
    process.closeWriteChannel();
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool hasSqlite3()
{
    return !QStandardPaths::findExecutable(QStringLiteral("sqlite3")).isEmpty();
}

const char* noSqlite3()
{
    return "sqlite3 command-line tool not installed: comparison skipped";
}

// The projects' columns in the order the record reads them.
QString projectColumns()
{
    return QStringList{Vexal::DBSql::colID(), Vexal::DBSql::colName(), Vexal::DBSql::colComments(),
                       Vexal::DBSql::colActive(), Vexal::DBSql::colURL()}
        .join(QLatin1String(", "));
}

QString csvExportScript(const QString& file)
{
    return QStringLiteral(".mode csv\n.output '%1'\nSELECT %2 FROM %3;\n.output stdout\n")
        .arg(file, projectColumns(), Vexal::DBSql::tableProject());
}

QString csvImportScript(const QString& file)
{
    return QStringLiteral(".mode csv\nBEGIN;\n.import '%1' %2\nCOMMIT;\n").arg(file, Vexal::DBSql::tableProject());
}

bool runJob(Vexal::Thread& job)
{
    job.start();
    return job.wait() && job.isSuccessful();
}

// The export job writing 100,000 projects to Projects.xml.
void BM_ExportProjects100k(benchmark::State& state)
{
    ExchangeDatabase database(true);
    for (auto _ : state) {
        Vexal::ThreadXmlExport job(4, QDir::currentPath());
        if (!runJob(job))
            state.SkipWithError("export failed");
    }
    state.SetItemsProcessed(state.iterations() * rowCount);
}
BENCHMARK(BM_ExportProjects100k)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// For comparison: the sqlite3 command-line tool writing the same rows as CSV.
void BM_Sqlite3CsvExportProjects100k(benchmark::State& state)
{
    if (!hasSqlite3()) {
        state.SkipWithError(noSqlite3());
        return;
    }
    ExchangeDatabase database(true);
    const QString file = database.path(QStringLiteral("Project.csv"));
    for (auto _ : state) {
        if (!sqlite3(database.path(QStringLiteral("TesvarBrowser.db")), csvExportScript(file)))
            state.SkipWithError("sqlite3 export failed");
    }
    state.SetItemsProcessed(state.iterations() * rowCount);
}
BENCHMARK(BM_Sqlite3CsvExportProjects100k)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// The import job storing 100,000 projects from one file into an empty table.
void BM_ImportProjects100k(benchmark::State& state)
{
    QTemporaryDir exchange;
    {
        ExchangeDatabase source(true);
        Vexal::ThreadXmlExport job(4, exchange.path());
        runJob(job);
    }
    const QString file = exchange.filePath(QStringLiteral("Projects.xml"));
    for (auto _ : state) {
        state.PauseTiming();
        {
            ExchangeDatabase target(false);
            state.ResumeTiming();
            Vexal::ThreadXmlImport job({file});
            if (!runJob(job))
                state.SkipWithError("import failed");
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * rowCount);
}
BENCHMARK(BM_ImportProjects100k)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// The import job overwriting 100,000 stored projects (OverrideOnImport on).
void BM_ImportOverwriteProjects100k(benchmark::State& state)
{
    QTemporaryDir exchange;
    ExchangeDatabase database(true);
    {
        Vexal::ThreadXmlExport job(4, exchange.path());
        runJob(job);
    }
    Vexal::DBOptions options;
    options.setOverrideOnImport(true);
    Vexal::DBCache::setOptions(&options);
    const QString file = exchange.filePath(QStringLiteral("Projects.xml"));
    for (auto _ : state) {
        Vexal::ThreadXmlImport job({file});
        if (!runJob(job))
            state.SkipWithError("import failed");
    }
    Vexal::DBCache::reset();
    state.SetItemsProcessed(state.iterations() * rowCount);
}
BENCHMARK(BM_ImportOverwriteProjects100k)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// For comparison: the sqlite3 command-line tool loading the same rows from
// CSV into an empty table of the same schema, in one transaction.
void BM_Sqlite3CsvImportProjects100k(benchmark::State& state)
{
    if (!hasSqlite3()) {
        state.SkipWithError(noSqlite3());
        return;
    }
    QTemporaryDir exchange;
    const QString file = exchange.filePath(QStringLiteral("Project.csv"));
    {
        ExchangeDatabase source(true);
        sqlite3(source.path(QStringLiteral("TesvarBrowser.db")), csvExportScript(file));
    }
    for (auto _ : state) {
        state.PauseTiming();
        {
            ExchangeDatabase target(false);
            const QString path = target.path(QStringLiteral("TesvarBrowser.db"));
            QSqlDatabase::database().close();
            state.ResumeTiming();
            if (!sqlite3(path, csvImportScript(file)))
                state.SkipWithError("sqlite3 import failed");
            state.PauseTiming();
            QSqlDatabase::database().open();
            QSqlQuery count(QStringLiteral("SELECT COUNT(*) FROM %1;").arg(Vexal::DBSql::tableProject()));
            if (!count.next() || count.value(0).toInt() != rowCount)
                state.SkipWithError("sqlite3 imported another number of rows");
        }
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * rowCount);
}
BENCHMARK(BM_Sqlite3CsvImportProjects100k)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

} // namespace
