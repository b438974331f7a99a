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
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <benchmark/benchmark.h>

namespace {

// A temporary folder as the current directory with a fresh database there,
// opened as the default connection; optionally `rows` projects in it.
class ExchangeDatabase
{
public:
    explicit ExchangeDatabase(int rows)
    {
        QDir::setCurrent(m_dir.path());
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        db.setDatabaseName(m_dir.filePath(QStringLiteral("TesvarBrowser.db")));
        db.open();
        Vexal::DBSchema::create(db);
        if (rows > 0)
            fillProjects(rows);
    }
    ~ExchangeDatabase()
    {
        QSqlDatabase::database().close();
        QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString database() const { return path(QStringLiteral("TesvarBrowser.db")); }

private:
    void fillProjects(int rows)
    {
        QSqlDatabase db = QSqlDatabase::database();
        db.transaction();
        QSqlQuery query(db);
        query.prepare(QStringLiteral("INSERT INTO %1 (%2, %3, %4, %5) VALUES (?, ?, 0, ?)")
                          .arg(Vexal::DBSql::tableProject(), Vexal::DBSql::colName(), Vexal::DBSql::colComments(),
                               Vexal::DBSql::colActive(), Vexal::DBSql::colURL()));
        for (int i = 0; i < rows; ++i) {
            query.bindValue(0, QStringLiteral("Project %1").arg(i));
            query.bindValue(1, QStringLiteral("Comments of project %1").arg(i));
            query.bindValue(2, QStringLiteral("http://www.site%1.example/").arg(i));
            query.exec();
        }
        db.commit();
    }

    QTemporaryDir m_dir;
};

// The exchange file of `rows` projects, written once per size and run.
QString projectsFile(int rows)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Projects%1.xml").arg(rows));
    if (!QFile::exists(path)) {
        ExchangeDatabase source(rows);
        Vexal::ThreadXmlExport job(4, QDir::currentPath());
        job.start();
        job.wait();
        QFile::rename(source.path(QStringLiteral("Projects.xml")), path);
    }
    return path;
}

// The floor: the same job by a plain C program on SQLite's own API.
bool floor(const QString& mode, const QString& database, const QString& file)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel); // its reason for failing, if any
    process.start(QStringLiteral(TESVAR_XML_FLOOR), {mode, database, file});
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// The process's peak resident memory in MB since the last reset.
void resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

double peakMemoryMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

bool runJob(Vexal::Thread& job)
{
    job.start();
    return job.wait() && job.isSuccessful();
}

int rowCount()
{
    QSqlQuery count(QStringLiteral("SELECT COUNT(*) FROM %1;").arg(Vexal::DBSql::tableProject()));
    return count.next() ? count.value(0).toInt() : -1;
}

// The export job writing all projects to Projects.xml.
void BM_ExportProjects(benchmark::State& state)
{
    const int rows = int(state.range(0));
    ExchangeDatabase database(rows);
    double peak = 0;
    for (auto _ : state) {
        resetPeakMemory();
        Vexal::ThreadXmlExport job(4, QDir::currentPath());
        if (!runJob(job))
            state.SkipWithError("export failed");
        peak = qMax(peak, peakMemoryMb());
    }
    state.counters["peak_MB"] = peak;
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_ExportProjects)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_FloorExportProjects(benchmark::State& state)
{
    const int rows = int(state.range(0));
    ExchangeDatabase database(rows);
    const QString file = database.path(QStringLiteral("floor.xml"));
    for (auto _ : state) {
        if (!floor(QStringLiteral("export"), database.database(), file))
            state.SkipWithError("floor export failed");
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_FloorExportProjects)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The import job storing all projects of one file into an empty table.
void BM_ImportProjects(benchmark::State& state)
{
    const int rows = int(state.range(0));
    const QString file = projectsFile(rows);
    double peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const char* error = nullptr;
        {
            ExchangeDatabase target(0);
            resetPeakMemory();
            state.ResumeTiming();
            Vexal::ThreadXmlImport job({file});
            const bool ran = runJob(job);
            state.PauseTiming();
            peak = qMax(peak, peakMemoryMb());
            error = !ran ? "import failed" : rowCount() != rows ? "the import stored another number of rows" : nullptr;
            if (!ran)
                qWarning("%s", qPrintable(job.errorText()));
        }
        // A skipped run must leave the loop at once, with its timer stopped.
        if (error) {
            state.SkipWithError(error);
            break;
        }
        state.ResumeTiming();
    }
    state.counters["peak_MB"] = peak;
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_ImportProjects)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_FloorImportProjects(benchmark::State& state)
{
    const int rows = int(state.range(0));
    const QString file = projectsFile(rows);
    for (auto _ : state) {
        state.PauseTiming();
        const char* error = nullptr;
        {
            ExchangeDatabase target(0);
            state.ResumeTiming();
            const bool ran = floor(QStringLiteral("import"), target.database(), file);
            state.PauseTiming();
            error = !ran ? "floor import failed" : rowCount() != rows ? "the floor stored another number of rows" : nullptr;
        }
        if (error) {
            state.SkipWithError(error);
            break;
        }
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_FloorImportProjects)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The import job overwriting every stored project (OverrideOnImport on).
void BM_ImportOverwriteProjects(benchmark::State& state)
{
    const int rows = int(state.range(0));
    const QString file = projectsFile(rows);
    ExchangeDatabase database(rows);
    Vexal::DBOptions options;
    options.setOverrideOnImport(true);
    Vexal::DBCache::setOptions(&options);
    for (auto _ : state) {
        Vexal::ThreadXmlImport job({file});
        if (!runJob(job))
            state.SkipWithError("import failed");
    }
    Vexal::DBCache::reset();
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_ImportOverwriteProjects)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_FloorOverwriteProjects(benchmark::State& state)
{
    const int rows = int(state.range(0));
    const QString file = projectsFile(rows);
    ExchangeDatabase database(rows);
    for (auto _ : state) {
        if (!floor(QStringLiteral("overwrite"), database.database(), file))
            state.SkipWithError("floor overwrite failed");
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_FloorOverwriteProjects)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace
