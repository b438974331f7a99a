#include "data/DBSchema.h"
#include "core/DBSql.h"
#include "views/BaseJournal.h"
#include "views/BaseTable.h"
#include "views/SqlFilter.h"
#include "views/SqlFilterCollection.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlTableModel>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int journalRows = 1000000;
// Names of the filter: "Project 4242" and its 111 longer relatives.
const char* const filterPrefix = "Project 4242";

QString projectRowCountText()
{
    return QStringLiteral("SELECT COUNT(*) FROM %1").arg(Vexal::DBSql::tableProject());
}

// Builds the table of a million projects into a new database file in one
// transaction with one prepared statement.
bool buildJournalDatabase(const QString& path)
{
    const QString name = QStringLiteral("journal-bench-build");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open() && Vexal::DBSchema::create(db) && db.transaction();
        QSqlQuery query(db);
        ok = ok
             && query.prepare(QStringLiteral("INSERT INTO %1 (%2, %3, %4, %5) VALUES (?, ?, ?, ?)")
                                  .arg(Vexal::DBSql::tableProject(), Vexal::DBSql::colName(),
                                       Vexal::DBSql::colComments(), Vexal::DBSql::colActive(),
                                       Vexal::DBSql::colURL()));
        for (int i = 0; ok && i < journalRows; ++i) {
            // Rows stored out of name order, so that sorting has work to do.
            const int number = int((qint64(i) * 7919) % journalRows);
            query.addBindValue(QStringLiteral("Project %1").arg(number));
            query.addBindValue(QStringLiteral("Comments of project %1").arg(number));
            query.addBindValue(i % 2);
            query.addBindValue(QStringLiteral("http://www.site%1.example/").arg(number));
            ok = query.exec();
            if (!ok)
                std::fprintf(stderr, "journal database: %s\n", qPrintable(query.lastError().text()));
        }
        ok = ok && db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

// One database of a million projects, opened as the default connection until
// the benchmarks end. It is built once into the temporary folder and kept
// there for later runs; a file that does not hold the full table is rebuilt.
class JournalBenchDatabase
{
public:
    static bool ensure()
    {
        static std::unique_ptr<JournalBenchDatabase> instance;
        if (!instance)
            instance.reset(new JournalBenchDatabase);
        return instance->m_ready;
    }

private:
    JournalBenchDatabase()
    {
        const QString path = QDir::temp().filePath(QStringLiteral("tesvar-journal-bench-%1.db").arg(journalRows));
        QElapsedTimer timer;
        timer.start();
        bool built = false;
        if (!holdsFullTable(path)) {
            const QString building = path + QStringLiteral(".building");
            QFile::remove(building);
            if (!buildJournalDatabase(building) || (QFile::exists(path) && !QFile::remove(path))
                || !QFile::rename(building, path)) {
                QFile::remove(building);
                std::fprintf(stderr, "journal database: could not build %s\n", qPrintable(path));
                return;
            }
            built = true;
        }
        QDir::setCurrent(m_dir.path());
        const QString connection = QLatin1String(QSqlDatabase::defaultConnection);
        if (QSqlDatabase::contains(connection))
            QSqlDatabase::removeDatabase(connection);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        db.setDatabaseName(path);
        m_ready = db.open();
        std::fprintf(stderr, "journal database: %s %s in %.1f s\n", built ? "built" : "reused", qPrintable(path),
                     timer.nsecsElapsed() / 1e9);
    }

    static bool holdsFullTable(const QString& path)
    {
        if (!QFile::exists(path))
            return false;
        const QString name = QStringLiteral("journal-bench-check");
        bool full = false;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(path);
            if (db.open()) {
                QSqlQuery query(db);
                full = query.exec(projectRowCountText()) && query.next() && query.value(0).toInt() == journalRows;
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        return full;
    }

    QTemporaryDir m_dir;
    bool m_ready = false;
};

// The projects area as every data area is written: a table naming its column
// set and SQL table, a journal naming its table.
class BenchProjectTable : public Vexal::BaseTable
{
public:
    BenchProjectTable(Vexal::SyncManager* syncManager, QWidget* parent)
        : BaseTable(syncManager, parent, &Vexal::DBSql::tableProject)
    {
    }
    using BaseTable::applyFilters;
};

class BenchProjectJournal : public Vexal::BaseJournal
{
protected:
    void createTable() override { installTable(new BenchProjectTable(m_syncManager, this)); }
};

void finishOpen(QWidget* widget, bool shown)
{
    if (!shown)
        return;
    widget->resize(800, 500);
    widget->show();
    QApplication::processEvents();
}

#define TESVAR_NEED_DATABASE(state)                                                                                    \
    if (!JournalBenchDatabase::ensure()) {                                                                             \
        (state).SkipWithError("the journal database could not be made");                                             \
        return;                                                                                                        \
    }

// Opening the journal: build (tool bar, layout, menus, filters), load, enable.
void openJournal(benchmark::State& state, bool shown)
{
    TESVAR_NEED_DATABASE(state)
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
    TESVAR_NEED_DATABASE(state)
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

void BM_JournalOpen1M(benchmark::State& state) { openJournal(state, false); }
void BM_BareTableOpen1M(benchmark::State& state) { openBareTable(state, false); }
void BM_JournalOpenShown1M(benchmark::State& state) { openJournal(state, true); }
void BM_BareTableOpenShown1M(benchmark::State& state) { openBareTable(state, true); }
BENCHMARK(BM_JournalOpen1M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareTableOpen1M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JournalOpenShown1M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareTableOpenShown1M)->Unit(benchmark::kMillisecond);

// A shown journal, and a shown bare model and view, on the table; the same
// three steps for both: filter by name, sort by a column, scroll.
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
    // "Name starts with" through the table's own Name filter, or no filter.
    bool filterByName(bool on)
    {
        auto* table = static_cast<BenchProjectTable*>(journal.tableWidget());
        Vexal::SqlFilterCollection* filters = table->filterCollection();
        for (int i = 0; filters && i < filters->count(); ++i) {
            Vexal::SqlFilter* filter = filters->filterAt(i);
            if (filter->column() != Vexal::DBSql::colName())
                continue;
            filter->setOperator(Vexal::SqlFilter::StartsWith);
            filter->setValue(QString::fromLatin1(filterPrefix));
            filter->setEnabled(on);
            return table->applyFilters();
        }
        return false;
    }
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
        table.setSortingEnabled(true);
        hideAsJournal(&table);
        finishOpen(&table, true);
    }
    QTableView* view() { return &table; }
    bool filterByName(bool on)
    {
        model.setFilter(on ? QStringLiteral("%1 LIKE '%2%'").arg(Vexal::DBSql::colName(), QLatin1String(filterPrefix))
                           : QString());
        return !model.lastError().isValid();
    }
};

// Scrolling a shown view to its end ten times: rows arrive in chunks as the
// view needs them (rowsFetched stays far below the table's size).
template <class Opened>
void scroll(benchmark::State& state)
{
    TESVAR_NEED_DATABASE(state)
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

// Filtering the shown table by the start of the name, then taking the filter
// off again: each a full scan of the million rows.
template <class Opened>
void filter(benchmark::State& state)
{
    TESVAR_NEED_DATABASE(state)
    auto opened = std::make_unique<Opened>();
    int rows = 0;
    for (auto _ : state) {
        if (!opened->filterByName(true)) {
            state.SkipWithError("the filter failed");
            return;
        }
        QApplication::processEvents();
        rows = opened->view()->model()->rowCount();
        if (!opened->filterByName(false)) {
            state.SkipWithError("removing the filter failed");
            return;
        }
        QApplication::processEvents();
    }
    state.counters["rowsFiltered"] = rows;
}

// Sorting the shown table by Name, descending then ascending, as clicks on the
// header do: each a sort of the million rows by the database.
template <class Opened>
void sort(benchmark::State& state)
{
    TESVAR_NEED_DATABASE(state)
    auto opened = std::make_unique<Opened>();
    QTableView* view = opened->view();
    for (auto _ : state) {
        view->sortByColumn(1, Qt::DescendingOrder);
        QApplication::processEvents();
        view->sortByColumn(1, Qt::AscendingOrder);
        QApplication::processEvents();
    }
    state.counters["firstName"] = view->model()->index(0, 1).data().toString() == QLatin1String("Project 0");
}

void BM_JournalFilter1M(benchmark::State& state) { filter<OpenedJournal>(state); }
void BM_BareTableFilter1M(benchmark::State& state) { filter<OpenedBareTable>(state); }
BENCHMARK(BM_JournalFilter1M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareTableFilter1M)->Unit(benchmark::kMillisecond);

void BM_JournalSort1M(benchmark::State& state) { sort<OpenedJournal>(state); }
void BM_BareTableSort1M(benchmark::State& state) { sort<OpenedBareTable>(state); }
BENCHMARK(BM_JournalSort1M)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareTableSort1M)->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_JournalScroll10Pages1M(benchmark::State& state) { scroll<OpenedJournal>(state); }
void BM_BareTableScroll10Pages1M(benchmark::State& state) { scroll<OpenedBareTable>(state); }
BENCHMARK(BM_JournalScroll10Pages1M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareTableScroll10Pages1M)->Unit(benchmark::kMillisecond);

} // namespace
