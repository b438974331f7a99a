#include "data/DBSchema.h"
#include "data/DBSql.h"
#include "exchange/ThreadXmlExport.h"
#include "exchange/ThreadXmlImport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
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

bool shell(const QString& command)
{
    return QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), command}) == 0;
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
BENCHMARK(BM_ExportProjects100k)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// For comparison: the sqlite3 command-line tool writing the same rows as SQL text.
void BM_Sqlite3CliDumpProjects100k(benchmark::State& state)
{
    ExchangeDatabase database(true);
    for (auto _ : state) {
        if (!shell(QStringLiteral("sqlite3 TesvarBrowser.db '.dump Project' > Project.sql")))
            state.SkipWithError("sqlite3 failed (is it installed?)");
    }
    state.SetItemsProcessed(state.iterations() * rowCount);
}
BENCHMARK(BM_Sqlite3CliDumpProjects100k)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

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
BENCHMARK(BM_ImportProjects100k)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// For comparison: the sqlite3 command-line tool loading the same rows from its dump.
void BM_Sqlite3CliLoadProjects100k(benchmark::State& state)
{
    QTemporaryDir exchange;
    {
        ExchangeDatabase source(true);
        shell(QStringLiteral("sqlite3 TesvarBrowser.db '.dump Project' > '%1/Project.sql'").arg(exchange.path()));
    }
    QDir::setCurrent(exchange.path());
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(exchange.filePath(QStringLiteral("load.db")));
        state.ResumeTiming();
        if (!shell(QStringLiteral("cd '%1' && sqlite3 load.db < Project.sql").arg(exchange.path())))
            state.SkipWithError("sqlite3 failed (is it installed?)");
    }
    state.SetItemsProcessed(state.iterations() * rowCount);
}
BENCHMARK(BM_Sqlite3CliLoadProjects100k)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace
