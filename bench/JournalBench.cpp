#include "data/DBSchema.h"
#include "core/DBSql.h"
#include "views/BaseJournal.h"
#include "views/BaseTable.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlTableModel>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int journalRows = 100000;

// One database of 100,000 projects, made on first use and kept open as the
// default connection until the benchmarks end.
class JournalBenchDatabase
{
public:
    static void ensure()
    {
        static std::unique_ptr<JournalBenchDatabase> instance;
        if (!instance)
            instance.reset(new JournalBenchDatabase);
    }

private:
    JournalBenchDatabase()
    {
        QDir::setCurrent(m_dir.path());
        const QString connection = QLatin1String(QSqlDatabase::defaultConnection);
        if (QSqlDatabase::contains(connection))
            QSqlDatabase::removeDatabase(connection);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        db.setDatabaseName(m_dir.filePath(QStringLiteral("TesvarBrowser.db")));
        db.open();
        Vexal::DBSchema::create(db);
        db.transaction();
        QSqlQuery query(db);
        query.prepare(QStringLiteral("INSERT INTO %1 (%2, %3, %4, %5) VALUES (?, ?, ?, ?)")
                          .arg(Vexal::DBSql::tableProject(), Vexal::DBSql::colName(), Vexal::DBSql::colComments(),
                               Vexal::DBSql::colActive(), Vexal::DBSql::colURL()));
        for (int i = 0; i < journalRows; ++i) {
            query.addBindValue(QStringLiteral("Project %1").arg(i));
            query.addBindValue(QStringLiteral("Comments of project %1").arg(i));
            query.addBindValue(i % 2);
            query.addBindValue(QStringLiteral("http://www.site%1.example/").arg(i));
            query.exec();
        }
        db.commit();
    }

    QTemporaryDir m_dir;
};

// The projects area as every data area is written: a table naming its column
// set and SQL table, a journal naming its table.
class BenchProjectTable : public Vexal::BaseTable
{
public:
    BenchProjectTable(Vexal::SyncManager* syncManager, QWidget* parent)
        : BaseTable(syncManager, parent, Vexal::DBDefaultColumns::Projects, &Vexal::DBSql::tableProject)
    {
    }
};

class BenchProjectJournal : public Vexal::BaseJournal
{
protected:
    void createTable() override { installTable(new BenchProjectTable(syncManager, this)); }
};

void finishOpen(QWidget* widget, bool shown)
{
    if (!shown)
        return;
    widget->resize(800, 500);
    widget->show();
    QApplication::processEvents();
}

// Opening the journal: build (tool bar, layout, menus, filters), load, enable.
void openJournal(benchmark::State& state, bool shown)
{
    JournalBenchDatabase::ensure();
    int rows = 0;
    for (auto _ : state) {
        BenchProjectJournal journal;
        journal.setInit(nullptr);
        journal.open();
        finishOpen(&journal, shown);
        rows = journal.tableWidget()->model()->rowCount();
    }
    state.counters["rowsFetched"] = rows;
}

// The same table without the framework: a bare model and view, showing the
// same three columns as the journal's default layout (ID and Comments hidden).
void hideAsJournal(QTableView* view)
{
    view->setColumnHidden(0, true);
    view->setColumnHidden(2, true);
}

void openBareTable(benchmark::State& state, bool shown)
{
    JournalBenchDatabase::ensure();
    int rows = 0;
    for (auto _ : state) {
        QTableView view;
        QSqlTableModel model(&view);
        model.setTable(Vexal::DBSql::tableProject());
        model.select();
        view.setModel(&model);
        hideAsJournal(&view);
        finishOpen(&view, shown);
        rows = model.rowCount();
    }
    state.counters["rowsFetched"] = rows;
}

void BM_JournalOpen100k(benchmark::State& state) { openJournal(state, false); }
void BM_BareTableOpen100k(benchmark::State& state) { openBareTable(state, false); }
void BM_JournalOpenShown100k(benchmark::State& state) { openJournal(state, true); }
void BM_BareTableOpenShown100k(benchmark::State& state) { openBareTable(state, true); }
BENCHMARK(BM_JournalOpen100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareTableOpen100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JournalOpenShown100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareTableOpenShown100k)->Unit(benchmark::kMillisecond);

// Scrolling a shown view to its end ten times: rows arrive in chunks as the
// view needs them (rowsFetched stays far below 100,000).
template <class Opened>
void scroll(benchmark::State& state)
{
    JournalBenchDatabase::ensure();
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto opened = std::make_unique<Opened>();
        QTableView* view = opened->view();
        QScrollBar* bar = view->verticalScrollBar();
        state.ResumeTiming();
        for (int page = 0; page < 10; ++page) {
            bar->setValue(bar->maximum());
            QApplication::processEvents();
        }
        state.PauseTiming();
        rows = view->model()->rowCount();
        opened.reset();
        state.ResumeTiming();
    }
    state.counters["rowsFetched"] = rows;
}

struct OpenedJournal
{
    BenchProjectJournal journal;
    OpenedJournal()
    {
        journal.setInit(nullptr);
        journal.open();
        finishOpen(&journal, true);
    }
    QTableView* view() { return journal.tableWidget(); }
};

struct OpenedBareTable
{
    QTableView table;
    QSqlTableModel model;
    OpenedBareTable()
    {
        model.setTable(Vexal::DBSql::tableProject());
        model.select();
        table.setModel(&model);
        hideAsJournal(&table);
        finishOpen(&table, true);
    }
    QTableView* view() { return &table; }
};

void BM_JournalScroll10Pages100k(benchmark::State& state) { scroll<OpenedJournal>(state); }
void BM_BareTableScroll10Pages100k(benchmark::State& state) { scroll<OpenedBareTable>(state); }
BENCHMARK(BM_JournalScroll10Pages100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareTableScroll10Pages100k)->Unit(benchmark::kMillisecond);

} // namespace
