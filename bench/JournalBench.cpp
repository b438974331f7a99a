#include "data/DBConnection.h"
#include "data/DBProject.h"
#include "data/DBSchema.h"
#include "core/DBSql.h"
#include "views/BaseJournal.h"
#include "views/BaseTable.h"
#include "views/BaseTableModel.h"
#include "views/SqlFilter.h"
#include "views/SqlFilterCollection.h"
#include "views/WidBookmarkJournal.h"
#include "ProcessMemory.h"

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
#include <QTabWidget>
#include <QThread>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>

namespace {

constexpr int journalRows = 1000000;
// The projects of the benchmarks of what stored rows cost an open journal.
constexpr int savedRows = 100000;
// Names of the filter: "Project 4242" and its 111 longer relatives.
const char* const filterPrefix = "Project 4242";

// What a journal database holds: projects, or bookmarks (all of them shown in
// the Bookmarks menu).
enum class Stored { Projects, Bookmarks };

QString storedTable(Stored stored)
{
    return stored == Stored::Projects ? Vexal::DBSql::tableProject() : Vexal::DBSql::tableBookmark();
}

// Builds the table of `rows` projects or bookmarks into a new database file
// in one transaction with one prepared statement.
bool buildJournalDatabase(const QString& path, int rows, Stored stored)
{
    const QString name = QStringLiteral("journal-bench-build");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open() && Vexal::DBSchema::create(db) && db.transaction();
        QSqlQuery query(db);
        if (stored == Stored::Projects)
            ok = ok
                 && query.prepare(QStringLiteral("INSERT INTO %1 (%2, %3, %4, %5) VALUES (?, ?, ?, ?)")
                                      .arg(Vexal::DBSql::tableProject(), Vexal::DBSql::colName(),
                                           Vexal::DBSql::colComments(), Vexal::DBSql::colActive(),
                                           Vexal::DBSql::colURL()));
        else
            ok = ok
                 && query.prepare(QStringLiteral("INSERT INTO %1 (%2, %3, %4, %5) VALUES (?, ?, ?, 1)")
                                      .arg(Vexal::DBSql::tableBookmark(), Vexal::DBSql::colName(),
                                           Vexal::DBSql::colTitle(), Vexal::DBSql::colURL(),
                                           Vexal::DBSql::colVisible()));
        for (int i = 0; ok && i < rows; ++i) {
            // Rows stored out of name order, so that sorting has work to do.
            const int number = int((qint64(i) * 7919) % rows);
            if (stored == Stored::Projects) {
                query.addBindValue(QStringLiteral("Project %1").arg(number));
                query.addBindValue(QStringLiteral("Comments of project %1").arg(number));
                query.addBindValue(i % 2);
            } else {
                query.addBindValue(QStringLiteral("Bookmark %1").arg(number));
                query.addBindValue(QStringLiteral("Page %1").arg(number));
            }
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

// A database of `rows` projects (or bookmarks), opened as the default
// connection while the benchmarks that need it run. It is built once into the temporary folder and
// kept there for later runs; a file that does not hold the full table is
// rebuilt.
class JournalBenchDatabase
{
public:
    static bool use(int rows, Stored stored = Stored::Projects)
    {
        static QTemporaryDir dir;
        static QString opened;
        const QString path = QDir::temp().filePath(stored == Stored::Projects
                                                       ? QStringLiteral("tesvar-journal-bench-%1.db").arg(rows)
                                                       : QStringLiteral("tesvar-journal-bench-bookmarks-%1.db").arg(rows));
        if (opened == path)
            return true;
        QElapsedTimer timer;
        timer.start();
        bool built = false;
        if (!holdsFullTable(path, rows, stored)) {
            const QString building = path + QStringLiteral(".building");
            QFile::remove(building);
            if (!buildJournalDatabase(building, rows, stored) || (QFile::exists(path) && !QFile::remove(path))
                || !QFile::rename(building, path)) {
                QFile::remove(building);
                std::fprintf(stderr, "journal database: could not build %s\n", qPrintable(path));
                return false;
            }
            built = true;
        }
        QDir::setCurrent(dir.path());
        const QString connection = QLatin1String(QSqlDatabase::defaultConnection);
        if (QSqlDatabase::contains(connection)) {
            QSqlDatabase::database(connection, false).close();
            QSqlDatabase::removeDatabase(connection);
        }
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        db.setDatabaseName(path);
        db.setConnectOptions(Vexal::DBConnection::busyTimeoutOption());
        if (!db.open())
            return false;
        Vexal::DBConnection::defaultConnectionChanged();
        opened = path;
        std::fprintf(stderr, "journal database: %s %s in %.1f s\n", built ? "built" : "reused", qPrintable(path),
                     timer.nsecsElapsed() / 1e9);
        return true;
    }

private:
    static bool holdsFullTable(const QString& path, int rows, Stored stored)
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
                full = query.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(storedTable(stored))) && query.next()
                       && query.value(0).toInt() == rows;
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        return full;
    }
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

#define TESVAR_NEED_STORED(state, rows, stored)                                                                        \
    if (!JournalBenchDatabase::use(rows, stored)) {                                                                    \
        (state).SkipWithError("the journal database could not be made");                                             \
        return;                                                                                                        \
    }
#define TESVAR_NEED_ROWS(state, rows) TESVAR_NEED_STORED(state, rows, Stored::Projects)
#define TESVAR_NEED_DATABASE(state) TESVAR_NEED_ROWS(state, journalRows)

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

// ---- what stored rows cost an open journal ----

double processCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double median(QVector<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const int middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}

// A projects journal in a tab, its rows fetched as a user who scrolled through
// them does (and scrolled to the end of those), shown or behind another tab.
struct JournalInTab
{
    QTabWidget tabs;
    BenchProjectJournal* journal = new BenchProjectJournal;

    JournalInTab(int fetched, bool shown)
    {
        journal->setInit(nullptr);
        journal->open();
        tabs.addTab(journal, QStringLiteral("Projects"));
        tabs.addTab(new QWidget, QStringLiteral("Other"));
        tabs.resize(800, 500);
        tabs.show();
        QApplication::processEvents();
        QTableView* table = journal->tableWidget();
        while (table->model()->rowCount() < fetched && table->model()->canFetchMore(QModelIndex()))
            table->model()->fetchMore(QModelIndex());
        if (fetched > 256)
            table->scrollToBottom();
        QApplication::processEvents();
        if (!shown)
            tabs.setCurrentIndex(1);
        QApplication::processEvents();
    }
    int fetched() const { return journal->tableWidget()->model()->rowCount(); }
};

bool saveProject(int turn)
{
    Vexal::DBProject project;
    if (!project.load(1 + (qint64(turn) * 7919) % savedRows))
        return false;
    project.setName(QStringLiteral("Saved %1").arg(turn));
    return project.save();
}

// Processor time per save of one project (one save per turn of the event
// loop) with 100,000 projects, beside no journal (the floor), a projects
// journal at its first page, and one scrolled through 10,000 and 100,000
// rows; each shown and behind another tab. The settings take turns, five
// rounds of 20 saves each; counters: the median in milliseconds, the rows
// the journal had fetched, and each median over the shown first page's.
void BM_JournalSaveOneOf100k(benchmark::State& state)
{
    TESVAR_NEED_ROWS(state, savedRows)
    const struct
    {
        const char* name;
        int fetched;
        bool shown;
    } settings[] = {{"no_journal", -1, false}, {"first_page", 256, true},    {"first_page_hidden", 256, false},
                    {"10k", 10000, true},      {"10k_hidden", 10000, false}, {"100k", 100000, true},
                    {"100k_hidden", 100000, false}};
    constexpr int count = int(sizeof(settings) / sizeof(settings[0]));
    QVector<QVector<double>> samples(count);
    QVector<int> fetched(count);
    int turn = 0;
    for (auto _ : state) {
        for (int round = 0; round < 5; ++round) {
            for (int i = 0; i < count; ++i) {
                std::unique_ptr<JournalInTab> open;
                if (settings[i].fetched >= 0)
                    open = std::make_unique<JournalInTab>(settings[i].fetched, settings[i].shown);
                fetched[i] = open ? open->fetched() : 0;
                for (int save = 0; save < 20; ++save) {
                    const double start = processCpuMs();
                    if (!saveProject(turn++)) {
                        state.SkipWithError("the save failed");
                        return;
                    }
                    QApplication::processEvents();
                    samples[i] << processCpuMs() - start;
                }
            }
        }
    }
    const double firstPage = median(samples[1]);
    for (int i = 0; i < count; ++i) {
        const std::string name = settings[i].name;
        state.counters[name + "_ms"] = median(samples[i]);
        if (settings[i].fetched >= 0) {
            state.counters[name + "_rows"] = fetched[i];
            state.counters[name + "_x"] = firstPage > 0 ? median(samples[i]) / firstPage : 0;
        }
    }
}
BENCHMARK(BM_JournalSaveOneOf100k)->Iterations(1)->Unit(benchmark::kMillisecond);

// A job on its own thread and connection that stores new projects in one
// transaction.
class StoreProjectsJob final : public QThread
{
public:
    explicit StoreProjectsJob(int count)
        : m_count(count)
    {
    }
    bool isOk() const { return m_ok; }

protected:
    void run() override
    {
        QSqlDatabase db = Vexal::DBConnection::current();
        m_ok = Vexal::DBConnection::beginWrite(db);
        {
            QSqlQuery query(db);
            m_ok = m_ok && query.prepare(QStringLiteral("INSERT INTO Project (Name, Active, URL) VALUES (?, 0, ?)"));
            for (int i = 0; m_ok && i < m_count; ++i) {
                query.addBindValue(QStringLiteral("Job project %1").arg(i));
                query.addBindValue(QStringLiteral("http://job%1.example/").arg(i));
                m_ok = query.exec();
            }
        }
        m_ok = m_ok && db.commit();
    }

private:
    int m_count = 0;
    bool m_ok = false;
};

// How long the window stalls when a job's 100,000 committed projects come
// beside a shown projects journal at its first page and beside one scrolled
// to the end of 100,000 rows: the turn of the event loop that takes the
// news after the job ended (wall time and processor time, medians of three
// rounds taken in turns), and the rows the journal read in it (at the end,
// the first chunk of the new rows, which come into view there).
void BM_JournalBesideJobOf100k(benchmark::State& state)
{
    TESVAR_NEED_ROWS(state, savedRows)
    const struct
    {
        const char* name;
        int fetched;
    } settings[] = {{"first_page", 256}, {"end", savedRows}};
    QVector<double> wall[2];
    QVector<double> cpu[2];
    qint64 rowsRead[2] = {0, 0};
    for (auto _ : state) {
        for (int round = 0; round < 3; ++round) {
            for (int i = 0; i < 2; ++i) {
                auto open = std::make_unique<JournalInTab>(settings[i].fetched, true);
                StoreProjectsJob job(100000);
                job.start();
                job.wait();
                if (!job.isOk()) {
                    state.SkipWithError("the job failed");
                    return;
                }
                const Vexal::BaseTableModel* model = open->journal->tableWidget()->tableModel();
                const qint64 readBefore = model->workForTests().rowsRead;
                QElapsedTimer timer;
                timer.start();
                const double start = processCpuMs();
                QApplication::processEvents();
                cpu[i] << processCpuMs() - start;
                wall[i] << timer.nsecsElapsed() / 1e6;
                rowsRead[i] = model->workForTests().rowsRead - readBefore;
                open.reset();
                QSqlQuery cleanup;
                if (!cleanup.exec(QStringLiteral("DELETE FROM Project WHERE ID > %1").arg(savedRows))) {
                    state.SkipWithError("the cleanup failed");
                    return;
                }
                QApplication::processEvents();
            }
        }
    }
    for (int i = 0; i < 2; ++i) {
        const std::string name = settings[i].name;
        state.counters[name + "_stall_ms"] = median(wall[i]);
        state.counters[name + "_cpu_ms"] = median(cpu[i]);
        state.counters[name + "_rows_read"] = double(rowsRead[i]);
    }
    state.counters["end_vs_first_page_x"] = median(wall[0]) > 0 ? median(wall[1]) / median(wall[0]) : 0;
}
BENCHMARK(BM_JournalBesideJobOf100k)->Iterations(1)->Unit(benchmark::kMillisecond);

// ---- a command on every listed row ----

// What one step cost: wall time, and the memory it took above where the
// process stood before it: resident at its peak and right after it, and
// resident and heap in use once the heap has given back what it holds free.
struct StepCost
{
    double ms = 0;
    double peakMb = 0;
    double afterMb = 0;
    double heldMb = 0;
    double heapHeldMb = 0;
};

template <class Step>
StepCost measureStep(Step step)
{
    QApplication::processEvents();
    ProcessMemory::trimHeap();
    ProcessMemory::resetPeak();
    const double resident = ProcessMemory::residentMb();
    const double heap = ProcessMemory::heapInUseMb();
    QElapsedTimer timer;
    timer.start();
    step();
    // The news of the commit reach the journal.
    QApplication::processEvents();
    StepCost cost;
    cost.ms = timer.nsecsElapsed() / 1e6;
    cost.peakMb = ProcessMemory::peakMb() - resident;
    cost.afterMb = ProcessMemory::residentMb() - resident;
    ProcessMemory::trimHeap();
    cost.heldMb = ProcessMemory::residentMb() - resident;
    cost.heapHeldMb = ProcessMemory::heapInUseMb() - heap;
    return cost;
}

// Hidden and Visible after Select All in a shown journal of a million
// bookmarks, against the plain update of the same rows in one statement
// (`UPDATE Bookmark SET Visible = ...`, the open journal taking its news
// alike), timed in turns: three rounds of the command hiding, the plain
// update showing, the plain update hiding and the command showing, so that
// every step turns every row. Counters: the medians in milliseconds and
// their ratio (`command_x`), and the most memory a step took above where the
// process stood: resident at its peak (`_peak_mb`) and right after it
// (`_after_mb`), and what it still held once the heap gave back its free
// memory (`_held_mb`, resident; `_heap_held_mb`, heap in use).
void BM_JournalHiddenAll1M(benchmark::State& state)
{
    TESVAR_NEED_STORED(state, journalRows, Stored::Bookmarks)
    Vexal::WidBookmarkJournal journal;
    journal.setInit(nullptr);
    journal.open();
    finishOpen(&journal, true);
    journal.selectAll();
    auto plain = [](bool visible) {
        QSqlQuery update;
        if (!update.exec(QStringLiteral("UPDATE %1 SET %2 = %3")
                             .arg(Vexal::DBSql::tableBookmark(), Vexal::DBSql::colVisible())
                             .arg(visible ? 1 : 0)))
            std::fprintf(stderr, "plain update: %s\n", qPrintable(update.lastError().text()));
    };
    auto shownCount = [] {
        QSqlQuery count(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = 1")
                            .arg(Vexal::DBSql::tableBookmark(), Vexal::DBSql::colVisible()));
        return count.next() ? count.value(0).toInt() : -1;
    };
    QVector<double> commandMs;
    QVector<double> plainMs;
    StepCost commandMost;
    StepCost plainMost;
    auto keep = [](StepCost& most, const StepCost& cost) {
        most.peakMb = qMax(most.peakMb, cost.peakMb);
        most.afterMb = qMax(most.afterMb, cost.afterMb);
        most.heldMb = qMax(most.heldMb, cost.heldMb);
        most.heapHeldMb = qMax(most.heapHeldMb, cost.heapHeldMb);
    };
    bool turned = true;
    for (auto _ : state) {
        for (int round = 0; round < 3; ++round) {
            StepCost cost = measureStep([&] { journal.slotHidden(); });
            turned = turned && shownCount() == 0;
            commandMs << cost.ms;
            keep(commandMost, cost);
            cost = measureStep([&] { plain(true); });
            turned = turned && shownCount() == journalRows;
            plainMs << cost.ms;
            keep(plainMost, cost);
            cost = measureStep([&] { plain(false); });
            turned = turned && shownCount() == 0;
            plainMs << cost.ms;
            keep(plainMost, cost);
            cost = measureStep([&] { journal.slotVisible(); });
            turned = turned && shownCount() == journalRows;
            commandMs << cost.ms;
            keep(commandMost, cost);
        }
    }
    if (!turned || !journal.tableWidget()->allRowsSelected()) {
        state.SkipWithError("a step did not turn every row, or Select All ended");
        return;
    }
    state.counters["command_ms"] = median(commandMs);
    state.counters["plain_ms"] = median(plainMs);
    state.counters["command_x"] = median(plainMs) > 0 ? median(commandMs) / median(plainMs) : 0;
    state.counters["command_peak_mb"] = commandMost.peakMb;
    state.counters["command_after_mb"] = commandMost.afterMb;
    state.counters["command_held_mb"] = commandMost.heldMb;
    state.counters["command_heap_held_mb"] = commandMost.heapHeldMb;
    state.counters["plain_peak_mb"] = plainMost.peakMb;
    state.counters["plain_after_mb"] = plainMost.afterMb;
    state.counters["plain_held_mb"] = plainMost.heldMb;
}
BENCHMARK(BM_JournalHiddenAll1M)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
