#include "data/DBConnection.h"
#include "data/DBManager.h"
#include "data/DBWriteQueue.h"
#include "exchange/ThreadXmlExport.h"
#include "exchange/ThreadXmlImport.h"
#include "data/DBHistory.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int importedProjects = 200000;

// A database made as the program makes it (DBManager), in a temporary folder
// as the current directory, and Projects.xml with 200,000 projects to import
// into it once its own projects are gone.
class ImportSetup
{
public:
    ImportSetup()
        : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(m_dir.path());
        Vexal::DBManager manager;
        m_ok = manager.setupConnection() && fill() && exportProjects()
            && QSqlQuery().exec(QStringLiteral("DELETE FROM Project;"));
    }
    ~ImportSetup()
    {
        QSqlDatabase::database().close();
        QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
        Vexal::DBConnection::defaultConnectionChanged();
        QDir::setCurrent(m_previous);
    }

    bool isOk() const { return m_ok; }
    QString file() const { return m_dir.filePath(QStringLiteral("Projects.xml")); }

private:
    static bool fill()
    {
        QSqlDatabase db = QSqlDatabase::database();
        db.transaction();
        QSqlQuery query(db);
        query.prepare(QStringLiteral("INSERT INTO Project (Name, Comments, Active, URL) VALUES (?, ?, 0, ?);"));
        for (int i = 0; i < importedProjects; ++i) {
            query.addBindValue(QStringLiteral("Project %1").arg(i));
            query.addBindValue(QStringLiteral("Comments of project %1").arg(i));
            query.addBindValue(QStringLiteral("http://www.site%1.example/").arg(i));
            query.exec();
        }
        return db.commit();
    }

    bool exportProjects() const
    {
        Vexal::ThreadXmlExport job(4, m_dir.path());
        job.start();
        return job.wait() && job.isSuccessful();
    }

    QString m_previous;
    QTemporaryDir m_dir;
    bool m_ok = false;
};

// What a page that finished loading writes.
bool writeHistoryRow(int visit)
{
    Vexal::DBHistory history;
    history.setName(QStringLiteral("Visited"));
    history.setTitle(QStringLiteral("Visited"));
    history.setUrl(QStringLiteral("http://127.0.0.1/page?visit=%1").arg(visit));
    history.setCreateDate(QDateTime::currentDateTime());
    return history.save();
}

// Times the import of a fresh setup per iteration; `whileRunning` runs on
// this thread until the job ends, `counters` after it succeeded.
template <class WhileRunning, class Counters>
void timeImport(benchmark::State& state, WhileRunning whileRunning, Counters counters)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto setup = std::make_unique<ImportSetup>();
        if (!setup->isOk()) {
            state.SkipWithError("setup failed");
            break;
        }
        Vexal::ThreadXmlImport job({setup->file()});
        state.ResumeTiming();
        job.start();
        while (job.isRunning())
            whileRunning();
        job.wait();
        while (Vexal::DBWriteQueue::pendingCount() > 0)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        state.PauseTiming();
        if (!job.isSuccessful()) {
            state.SkipWithError(qPrintable(job.errorText()));
            break;
        }
        counters();
        setup.reset();
        state.ResumeTiming();
    }
}

// The import alone: the floor of the run below.
void BM_ImportProjects200kAlone(benchmark::State& state)
{
    timeImport(state, [] { QThread::msleep(1); }, [] {});
}
BENCHMARK(BM_ImportProjects200kAlone)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// The same import while the GUI thread writes a history row every 10 ms, as
// the window does through its write queue. Counters: the longest time one
// write kept the GUI thread (longest_stall_ms), the writes made and how
// many waited in the queue at most. Before the queue each such write waited
// for the job up to the 5 s busy timeout and was then lost.
void BM_ImportProjects200kWithWindowWrites(benchmark::State& state)
{
    qint64 longest = 0;
    int writes = 0;
    int keptAtMost = 0;
    auto write = [&] {
        QElapsedTimer stall;
        stall.start();
        const int visit = writes++;
        Vexal::DBWriteQueue::submit([visit] { return writeHistoryRow(visit); });
        longest = qMax(longest, stall.elapsed());
        keptAtMost = qMax(keptAtMost, Vexal::DBWriteQueue::pendingCount());
        QCoreApplication::processEvents();
        QThread::msleep(10);
    };
    auto report = [&] {
        state.counters["longest_stall_ms"] = double(longest);
        state.counters["window_writes"] = writes;
        state.counters["kept_at_most"] = keptAtMost;
    };
    timeImport(state, write, report);
}
BENCHMARK(BM_ImportProjects200kWithWindowWrites)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace
