#include "data/DBProject.h"
#include "data/DBProjectList.h"
#include "data/DBSchema.h"
#include "core/DBSql.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A fresh database in a temporary folder, opened as the default connection.
class BenchDatabase
{
public:
    BenchDatabase()
    {
        QDir::setCurrent(m_dir.path());
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        db.setDatabaseName(m_dir.filePath(QStringLiteral("TesvarBrowser.db")));
        db.open();
        Vexal::DBSchema::create(db);
    }
    ~BenchDatabase()
    {
        QSqlDatabase::database().close();
        QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
    }

    void fillProjects(int rows)
    {
        QSqlDatabase db = QSqlDatabase::database();
        db.transaction();
        QSqlQuery query(db);
        query.prepare(QStringLiteral("INSERT INTO %1 (%2, %3, %4, %5) VALUES (?, ?, 0, ?)")
                          .arg(Vexal::DBSql::tableProject(), Vexal::DBSql::colName(),
                               Vexal::DBSql::colComments(), Vexal::DBSql::colActive(),
                               Vexal::DBSql::colURL()));
        for (int i = 0; i < rows; ++i) {
            query.addBindValue(QStringLiteral("Project %1").arg(i));
            query.addBindValue(QStringLiteral("Comments of project %1").arg(i));
            query.addBindValue(QStringLiteral("http://www.site%1.example/").arg(i));
            query.exec();
        }
        db.commit();
    }

private:
    QTemporaryDir m_dir;
};

// Loading a list of 100,000 rows into records.
void BM_LoadList100k(benchmark::State& state)
{
    BenchDatabase database;
    database.fillProjects(100000);
    for (auto _ : state) {
        Vexal::DBProjectList list(false);
        if (!list.load() || list.count() != 100000)
            state.SkipWithError("load failed");
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_LoadList100k)->Unit(benchmark::kMillisecond);

// Saving 10,000 new records one by one, as the editors do, each statement in
// its own implicit transaction, and inside one transaction, as the import does.
void saveRecords(benchmark::State& state, bool oneTransaction)
{
    for (auto _ : state) {
        state.PauseTiming();
        BenchDatabase database;
        std::vector<std::unique_ptr<Vexal::DBProject>> records;
        for (int i = 0; i < 10000; ++i) {
            auto record = std::make_unique<Vexal::DBProject>();
            record->setName(QStringLiteral("Project %1").arg(i));
            record->setUrl(QStringLiteral("http://www.site%1.example/").arg(i));
            records.push_back(std::move(record));
        }
        state.ResumeTiming();
        if (oneTransaction)
            QSqlDatabase::database().transaction();
        for (auto& record : records) {
            if (!record->save()) {
                state.SkipWithError("save failed");
                break;
            }
        }
        if (oneTransaction)
            QSqlDatabase::database().commit();
        state.PauseTiming();
        records.clear();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}

void BM_Save10kRecords(benchmark::State& state) { saveRecords(state, false); }
void BM_Save10kRecordsOneTransaction(benchmark::State& state) { saveRecords(state, true); }
BENCHMARK(BM_Save10kRecords)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Save10kRecordsOneTransaction)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
