#include "Callgrind.h"
#include "OldFiles.h"
#include "data/DBBase.h"
#include "data/DBBookmark.h"
#include "data/DBConnection.h"
#include "data/DBManager.h"
#include "data/DBQueryManager.h"
#include "data/HistoryCleanup.h"
#include "data/DBSchema.h"
#include "core/DBSql.h"
#include "app/WndMain.h"
#include "texts/ConstIcon.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMainWindow>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QVector>
#include <QWebView>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <numeric>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// A lived-in database: a few months of browsing, a large bookmark collection
// and a thousand records of every other kind.
constexpr int historyRows = 100000;
constexpr int bookmarkRows = 10000;
constexpr int otherRows = 1000;
constexpr int iconDesigns = 64;

// The program's own settings tables hold one record each, made by the program.
const QSet<QString>& settingsTables()
{
    static const QSet<QString> tables{Vexal::DBSql::tableOptions(), Vexal::DBSql::tableGUI(),
                                      Vexal::DBSql::tableSettings(), Vexal::DBSql::tableColumn(),
                                      Vexal::DBSql::tableUserTable()};
    return tables;
}

// Page icons as the web view stores them: PNG bytes of small pictures in a few
// dozen designs, and the 32-pixel web-page picture of pages without one.
QList<QVariant> pageIcons()
{
    QList<QVariant> icons;
    for (int design = 0; design < iconDesigns; ++design) {
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor::fromHsv(design * 360 / iconDesigns, 200, 220));
        painter.drawEllipse(1, 1, 14, 14);
        painter.setBrush(QColor::fromHsv((design * 97) % 360, 120, 90));
        painter.drawRect(4 + design % 4, 5, 6, 3 + design % 5);
        painter.end();
        icons << Vexal::DBBase::imageValue(image);
    }
    icons << Vexal::DBBase::imageValue(Vexal::ConstIcon::webPage(32).toImage());
    return icons;
}

bool execOrReport(QSqlQuery& query)
{
    if (query.exec())
        return true;
    std::fprintf(stderr, "lived-in database: %s\n", qPrintable(query.lastError().text()));
    return false;
}

// Fills one table with otherRows records of plausible values: names, texts,
// references to the first thousand rows, flags, dates.
bool fillTable(QSqlDatabase& db, const QString& table)
{
    QSqlQuery info(db);
    info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table));
    QStringList names;
    QStringList types;
    while (info.next()) {
        if (info.value(1).toString() == Vexal::DBSql::colID())
            continue;
        names << info.value(1).toString();
        types << info.value(2).toString().toUpper();
    }
    QStringList marks;
    for (int i = 0; i < names.size(); ++i)
        marks << QStringLiteral("?");
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, names.join(','), marks.join(',')));
    const QDate today = QDate::currentDate();
    for (int row = 0; row < otherRows; ++row) {
        for (int c = 0; c < names.size(); ++c) {
            const QString& name = names.at(c);
            if (name == Vexal::DBSql::colName())
                insert.addBindValue(QStringLiteral("%1 %2").arg(table).arg(row));
            else if (name == Vexal::DBSql::colActive())
                insert.addBindValue(row == 0 ? 1 : 0); // one active project, as the program keeps it
            else if (name == Vexal::DBSql::colURL())
                insert.addBindValue(QStringLiteral("http://www.site%1.example/").arg(row));
            else if (name == Vexal::DBSql::colCreateDate())
                insert.addBindValue(Vexal::DBBase::dateTimeValue(QDateTime(today.addDays(-(row % 300)), QTime(12, 0))));
            else if (name.endsWith(QLatin1String("Date")) || name == QLatin1String("Birthday"))
                insert.addBindValue(Vexal::DBBase::dateValue(today.addDays(-row)));
            else if (name.endsWith(QLatin1String("ID")))
                insert.addBindValue(row % otherRows + 1);
            else if (types.at(c) == QLatin1String("INTEGER"))
                insert.addBindValue(row % 2);
            else if (types.at(c) == QLatin1String("BLOB"))
                insert.addBindValue(QVariant(QVariant::ByteArray));
            else
                insert.addBindValue(QStringLiteral("%1 %2").arg(name).arg(row));
        }
        if (!execOrReport(insert))
            return false;
    }
    return true;
}

// Builds the lived-in database in one transaction with prepared statements.
bool buildLivedInDatabase(const QString& path)
{
    namespace DBSql = Vexal::DBSql;
    const QString name = QStringLiteral("startup-bench");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open() && Vexal::DBSchema::create(db) && db.transaction();
        const QList<QVariant> icons = pageIcons();
        const QDateTime now = QDateTime::currentDateTime();

        // Visits of the last six days (the history keeps seven by default,
        // so the start-up expiry finds nothing to delete and every run
        // starts from the same database).
        QSqlQuery history(db);
        history.prepare(QStringLiteral("INSERT INTO %1 (%2, %3, %4, %5, %6) VALUES (?, ?, ?, ?, ?)")
                            .arg(DBSql::tableHistory(), DBSql::colName(), DBSql::colIcon(), DBSql::colTitle(),
                                 DBSql::colURL(), DBSql::colCreateDate()));
        const qint64 span = 6 * 24 * 3600;
        for (int i = 0; ok && i < historyRows; ++i) {
            const QString title = QStringLiteral("Page %1 of site %2 - a lived-in history").arg(i).arg(i % 2000);
            history.addBindValue(title);
            history.addBindValue(icons.at(i % icons.size()));
            history.addBindValue(title);
            history.addBindValue(QStringLiteral("http://www.site%1.example/page/%2").arg(i % 2000).arg(i));
            history.addBindValue(Vexal::DBBase::dateTimeValue(now.addSecs(-span + span * i / historyRows)));
            ok = execOrReport(history);
        }

        // Bookmarks with names in both cases, some alike; three in four visible.
        QSqlQuery bookmark(db);
        bookmark.prepare(QStringLiteral("INSERT INTO %1 (%2, %3, %4, %5, %6) VALUES (?, ?, ?, ?, ?)")
                             .arg(DBSql::tableBookmark(), DBSql::colName(), DBSql::colIcon(), DBSql::colTitle(),
                                  DBSql::colURL(), DBSql::colVisible()));
        for (int i = 0; ok && i < bookmarkRows; ++i) {
            QString title = QStringLiteral("Site %1 - bookmark %2").arg((i * 7919) % bookmarkRows).arg(i % 50);
            if (i % 3 == 0)
                title = title.toLower();
            bookmark.addBindValue(title);
            bookmark.addBindValue(icons.at((i * 13) % icons.size()));
            bookmark.addBindValue(title);
            bookmark.addBindValue(QStringLiteral("http://www.site%1.example/").arg(i));
            bookmark.addBindValue(i % 4 == 0 ? 0 : 1);
            ok = execOrReport(bookmark);
        }

        QSqlQuery tables(db);
        tables.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"));
        QStringList others;
        while (tables.next())
            others << tables.value(0).toString();
        for (const QString& table : qAsConst(others)) {
            if (!ok)
                break;
            if (table == DBSql::tableHistory() || table == DBSql::tableBookmark() || settingsTables().contains(table))
                continue;
            ok = fillTable(db, table);
        }
        ok = ok && db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

QString startupBrowser() { return QStringLiteral(TESVAR_STARTUP_BROWSER); }
QString startupBare() { return QStringLiteral(TESVAR_STARTUP_BARE); }

// One start of a program in the current folder: launch to first paint, how
// long its shown window stood blank, and the processor time it took until
// its first paint. Negative on failure.
struct ProgramStart
{
    double seconds = -1;
    double blankMs = 0;
    double cpuMs = 0;
};

ProgramStart startProgram(const QString& program, const QProcessEnvironment& environment,
                          const QString& folder = QString())
{
    QProcess process;
    process.setProgram(program);
    process.setProcessEnvironment(environment);
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardErrorFile(QProcess::nullDevice());
    ProgramStart result;
    QElapsedTimer timer;
    timer.start();
    process.start();
    QByteArray output;
    static const QRegularExpression painted(QStringLiteral("painted ?([0-9.]*) ?([0-9.]*)\n"));
    QRegularExpressionMatch match;
    while (!match.hasMatch() && process.waitForReadyRead(20000)) {
        output += process.readAllStandardOutput();
        match = painted.match(QString::fromLatin1(output));
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    process.waitForFinished(20000);
    if (match.hasMatch() && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) {
        result.seconds = seconds;
        result.blankMs = match.captured(1).toDouble();
        result.cpuMs = match.captured(2).toDouble();
    }
    return result;
}

// A folder holding the lived-in database, made the current directory on first
// use. One untimed start has made the options and window records, as on
// every start but the first. The server jobs go to a closed port on 127.0.0.1.
class StartupBenchFolder
{
public:
    static bool ensure()
    {
        static std::unique_ptr<StartupBenchFolder> instance;
        if (!instance)
            instance.reset(new StartupBenchFolder);
        QDir::setCurrent(instance->m_dir.path());
        return instance->m_ready;
    }

private:
    StartupBenchFolder()
    {
        qputenv("TESVAR_SERVER_URL", "http://127.0.0.1:1/");
        QElapsedTimer timer;
        timer.start();
        QDir().mkpath(m_dir.path());
        QFile::remove(m_dir.filePath(QStringLiteral("TesvarBrowser.db")));
        m_ready = buildLivedInDatabase(m_dir.filePath(QStringLiteral("TesvarBrowser.db")));
        QDir::setCurrent(m_dir.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_ready = m_ready && startProgram(startupBrowser(), environment).seconds > 0;
        std::fprintf(stderr, "lived-in database: %s in %.1f s (%.1f MB)\n", m_ready ? "ready" : "FAILED",
                     timer.nsecsElapsed() / 1e9,
                     QFileInfo(m_dir.filePath(QStringLiteral("TesvarBrowser.db"))).size() / 1e6);
    }

    // TESVAR_STARTUP_BENCH_FOLDER names a folder to build in and keep, to
    // profile the programs in it afterwards.
    struct Folder
    {
        QTemporaryDir temporary;
        QString kept = qEnvironmentVariable("TESVAR_STARTUP_BENCH_FOLDER");
        QString path() const { return kept.isEmpty() ? temporary.path() : kept; }
        QString filePath(const QString& name) const { return QDir(path()).filePath(name); }
    };
    Folder m_dir;
    bool m_ready = false;
};

// A virtual X server on a display number it chooses itself, started on first
// use and stopped when the application ends. Empty display when Xvfb is not
// installed or does not start.
class VirtualDisplay
{
public:
    static QString display()
    {
        static VirtualDisplay* instance = nullptr;
        if (!instance) {
            instance = new VirtualDisplay;
            qAddPostRoutine([] {
                delete instance;
                instance = nullptr;
            });
        }
        return instance->m_display;
    }

    ~VirtualDisplay()
    {
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            if (!m_server.waitForFinished(5000))
                m_server.kill();
            m_server.waitForFinished(5000);
        }
    }

private:
    VirtualDisplay()
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (program.isEmpty())
            return;
        // -displayfd picks a free display number and writes it once the
        // server accepts connections.
        m_server.setProgram(program);
        m_server.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                               QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                               QStringLiteral("tcp")});
        m_server.setStandardErrorFile(QProcess::nullDevice());
        m_server.start();
        QByteArray output;
        while (!output.contains('\n') && m_server.waitForReadyRead(10000))
            output += m_server.readAllStandardOutput();
        bool ok = false;
        const int number = output.trimmed().toInt(&ok);
        if (ok)
            m_display = QStringLiteral(":%1").arg(number);
    }

    QProcess m_server;
    QString m_display;
};

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    const int n = values.size();
    return n == 0 ? 0 : (n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2);
}

// Folders of first starts: each start gets an empty folder of its own,
// removed after it, under a folder on a disk (not a memory file system, where
// a sync costs nothing): TESVAR_STARTUP_BENCH_DISK, else /var/tmp.
class FirstStartFolders
{
public:
    FirstStartFolders()
        : m_base(QDir(qEnvironmentVariable("TESVAR_STARTUP_BENCH_DISK", QStringLiteral("/var/tmp")))
                     .filePath(QStringLiteral("tesvar-first-start-XXXXXX")))
    {
    }
    bool isValid() const { return m_base.isValid(); }
    QString base() const { return m_base.path(); }
    // An empty folder for the next start; the previous one goes.
    QString next()
    {
        if (!m_current.isEmpty())
            QDir(m_current).removeRecursively();
        m_current = QDir(m_base.path()).filePath(QString::number(++m_count));
        QDir().mkpath(m_current);
        return m_current;
    }

private:
    QTemporaryDir m_base;
    QString m_current;
    int m_count = 0;
};

// A program beside the started ones that writes to the same disk and syncs
// after every write, as a download, a mail program or another database
// does: every sync of a started program waits behind its syncs. Stops when
// destroyed.
class DiskLoad
{
public:
    explicit DiskLoad(const QString& folder)
        : m_path(QFile::encodeName(QDir(folder).filePath(QStringLiteral("load.bin"))).toStdString())
        , m_writer([this] { write(); })
    {
    }
    ~DiskLoad()
    {
        m_stop = true;
        m_writer.join();
        ::unlink(m_path.c_str());
    }
    double syncsPerSecond() const { return m_syncs / std::max(1e-9, m_clock.nsecsElapsed() / 1e9); }

private:
    static QElapsedTimer started()
    {
        QElapsedTimer clock;
        clock.start();
        return clock;
    }

    void write()
    {
        const int fd = ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0)
            return;
        std::vector<char> block(1 << 20, 'x');
        const off_t span = off_t(64) << 20;
        off_t offset = 0;
        while (!m_stop) {
            if (::pwrite(fd, block.data(), block.size(), offset) < 0 || ::fdatasync(fd) != 0)
                break;
            ++m_syncs;
            offset = (offset + off_t(block.size())) % span;
        }
        ::close(fd);
    }

    std::string m_path;
    std::atomic<bool> m_stop{false};
    std::atomic<long> m_syncs{0};
    QElapsedTimer m_clock = started();
    std::thread m_writer;
};

// Starts the browser and the bare web-view window program alternately, each
// from launch to its first paint; with `folders`, each in an empty folder of
// its own (the browser's first start). The iteration time is the browser's;
// the counters give the bare program's time, the ratio of the two (of the
// means, and of the medians, which a busy machine's outliers move less), the
// ratio of their processor times until the first paint (medians), and how
// long each shown window stood blank before its first paint.
void timeProgramStarts(benchmark::State& state, const QProcessEnvironment& environment,
                       FirstStartFolders* folders = nullptr)
{
    QVector<double> browserMs;
    QVector<double> bareMs;
    QVector<double> browserCpuMs;
    QVector<double> bareCpuMs;
    double browserBlank = 0;
    double bareBlank = 0;
    double browserBlankMax = 0;
    for (auto _ : state) {
        // Alternate which program starts first, so that neither always
        // finds the other's files in the cache.
        const bool browserFirst = browserMs.size() % 2 == 0;
        ProgramStart browser;
        ProgramStart bare;
        const auto folder = [folders] { return folders ? folders->next() : QString(); };
        if (browserFirst)
            browser = startProgram(startupBrowser(), environment, folder());
        bare = startProgram(startupBare(), environment, folder());
        if (!browserFirst)
            browser = startProgram(startupBrowser(), environment, folder());
        if (browser.seconds < 0 || bare.seconds < 0) {
            state.SkipWithError("a program did not paint its window and exit");
            return;
        }
        state.SetIterationTime(browser.seconds);
        browserMs << browser.seconds * 1000;
        bareMs << bare.seconds * 1000;
        browserCpuMs << browser.cpuMs;
        bareCpuMs << bare.cpuMs;
        browserBlank += browser.blankMs;
        bareBlank += bare.blankMs;
        browserBlankMax = std::max(browserBlankMax, browser.blankMs);
    }
    const int runs = browserMs.size();
    if (runs == 0)
        return;
    const double browserTotal = std::accumulate(browserMs.begin(), browserMs.end(), 0.0);
    const double bareTotal = std::accumulate(bareMs.begin(), bareMs.end(), 0.0);
    state.counters["bare_ms"] = bareTotal / runs;
    state.counters["ratio"] = browserTotal / bareTotal;
    state.counters["median_ms"] = median(browserMs);
    state.counters["bare_median_ms"] = median(bareMs);
    state.counters["median_ratio"] = median(browserMs) / median(bareMs);
    state.counters["cpu_ms"] = median(browserCpuMs);
    state.counters["bare_cpu_ms"] = median(bareCpuMs);
    state.counters["cpu_ratio"] = median(browserCpuMs) / std::max(1e-9, median(bareCpuMs));
    state.counters["blank_ms"] = browserBlank / runs;
    state.counters["blank_max_ms"] = browserBlankMax;
    state.counters["bare_blank_ms"] = bareBlank / runs;
}

// The whole program start as its user waits for it, on the lived-in
// database: process launch, libraries, application object, database, window,
// first paint; beside the bare web-view window program in the same run.
void BM_ProgramStartOffscreen(benchmark::State& state)
{
    if (!StartupBenchFolder::ensure()) {
        state.SkipWithError("the lived-in database could not be made");
        return;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    timeProgramStarts(state, environment);
}
BENCHMARK(BM_ProgramStartOffscreen)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

// The same on a real X server (a virtual one), where a shown window is mapped
// and exposed as on a desktop.
void BM_ProgramStartXServer(benchmark::State& state)
{
    const QString display = VirtualDisplay::display();
    if (display.isEmpty()) {
        state.SkipWithError("Xvfb is not installed or did not start: no X server to start the programs on");
        return;
    }
    if (!StartupBenchFolder::ensure()) {
        state.SkipWithError("the lived-in database could not be made");
        return;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.remove(QStringLiteral("XAUTHORITY"));
    timeProgramStarts(state, environment);
}
BENCHMARK(BM_ProgramStartXServer)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

// The first start, as a new user meets it: the database is made, with its
// schema and first rows, before the window; beside the bare web-view window
// program in the same run, each in an empty folder on a disk. With `load`,
// another program syncs its writes to the same disk all the while, so that
// every sync of a start waits its turn (a slow disk); the bare program starts
// under the same load.
void timeFirstStarts(benchmark::State& state, bool load)
{
    FirstStartFolders folders;
    if (!folders.isValid()) {
        state.SkipWithError("no folder for the first starts");
        return;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("TESVAR_SERVER_URL"), QStringLiteral("http://127.0.0.1:1/"));
    std::unique_ptr<DiskLoad> writer(load ? new DiskLoad(folders.base()) : nullptr);
    timeProgramStarts(state, environment, &folders);
    if (writer)
        state.counters["load_syncs_per_s"] = writer->syncsPerSecond();
}

void BM_FirstStartOffscreen(benchmark::State& state)
{
    timeFirstStarts(state, false);
}
BENCHMARK(BM_FirstStartOffscreen)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

void BM_FirstStartUnderDiskLoad(benchmark::State& state)
{
    timeFirstStarts(state, true);
}
BENCHMARK(BM_FirstStartUnderDiskLoad)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

// Counts the paint events of a window's widgets, to wait for the first paint
// of a shown window.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget* window)
        : m_window(window)
    {
    }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window() == m_window)
            ++count;
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_window;
};

// Shows the window and processes events until it has been painted.
bool showAndPaint(QWidget* window)
{
    PaintCounter counter(window);
    qApp->installEventFilter(&counter);
    window->setVisible(true);
    for (int i = 0; i < 100 && counter.count == 0; ++i)
        QCoreApplication::processEvents();
    qApp->removeEventFilter(&counter);
    return counter.count != 0;
}

// The program's start-up inside this process, up to the shown and painted
// window, on the lived-in database: database steps, server-jobs wait, the five
// set-up steps (menus, window state, options, bookmarks menu).
void BM_StartupToWindowShown(benchmark::State& state)
{
    if (!StartupBenchFolder::ensure()) {
        state.SkipWithError("the lived-in database could not be made");
        return;
    }
    for (auto _ : state) {
        Vexal::DBManager manager;
        std::unique_ptr<Vexal::WndMain> window = Vexal::WndMain::create(manager);
        if (!window) {
            state.SkipWithError("start-up failed");
            break;
        }
        if (!showAndPaint(window.get())) {
            state.SkipWithError("window not painted");
            break;
        }
        state.PauseTiming();
        window->slotExit();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToWindowShown)->Unit(benchmark::kMillisecond);

// Its peer: a bare main window with a tab widget holding a web view with a
// blank page (ours opens one default tab), shown and painted.
void BM_BareWebViewWindowShown(benchmark::State& state)
{
    for (auto _ : state) {
        auto window = std::make_unique<QMainWindow>();
        auto* tabs = new QTabWidget(window.get());
        auto* view = new QWebView(tabs);
        view->load(QUrl(QStringLiteral("about:blank")));
        tabs->addTab(view, QStringLiteral("Blank"));
        window->setCentralWidget(tabs);
        window->resize(800, 500);
        if (!showAndPaint(window.get())) {
            state.SkipWithError("window not painted");
            break;
        }
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BareWebViewWindowShown)->Unit(benchmark::kMillisecond);

// The start-up removes the expired history once the window is up. A history
// of years kept whole (the period of seven days set after): the lived-in
// database with 850,000 rows more, dated long before the period, beside the
// same start with nothing expired. The figure is the longest the window's
// event loop does not answer (the longest gap between two turns of a timer
// that fires on every turn), from the window's showing until the cleanup
// has ended; its peer in the same run is the longest gap of the start with
// nothing expired. one_statement_ms times, on another copy of the file, the
// single statement that removed them all before, for the window it held.
constexpr int expiredHistoryRows = 850000;

// The lived-in database with the expired rows, made once in a folder of its
// own beside it; empty on failure.
QString expiredHistoryDatabase()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString made = folder.filePath(QStringLiteral("TesvarBrowser.db"));
        if (!StartupBenchFolder::ensure() || !QFile::copy(QStringLiteral("TesvarBrowser.db"), made))
            return QString();
        // With the page icons of the lived-in database.
        OldFiles::Connection file(made);
        QString failed = file.exec({QStringLiteral("CREATE TEMP TABLE BenchIcon (N INTEGER PRIMARY KEY, Icon BLOB)")});
        const QList<QVariant> icons = pageIcons();
        for (int i = 0; failed.isEmpty() && i < icons.size(); ++i) {
            QSqlQuery icon(file.db());
            icon.prepare(QStringLiteral("INSERT INTO BenchIcon (N, Icon) VALUES (?, ?)"));
            icon.addBindValue(i);
            icon.addBindValue(icons.at(i));
            if (!icon.exec())
                failed = icon.lastError().text();
        }
        if (failed.isEmpty())
            failed = file.exec(
                {QStringLiteral("BEGIN"),
                 QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                "INSERT INTO History (Name, Icon, Title, URL, CreateDate) SELECT 'Page ' || i || "
                                "' of site ' || (i % 2000) || ' - a kept history', (SELECT Icon FROM BenchIcon "
                                "WHERE N = i % %2), 'Page ' || i || ' of site ' || (i % 2000) || ' - a kept "
                                "history', 'http://www.site' || (i % 2000) || '.example/page/' || i, "
                                "strftime('%Y-%m-%dT%H:%M:%S', '2015-01-01', '+' || (i * 97) || ' seconds') FROM n")
                     .arg(expiredHistoryRows)
                     .arg(icons.size()),
                 QStringLiteral("COMMIT")});
        if (!failed.isEmpty()) {
            std::fprintf(stderr, "expired history: %s\n", qPrintable(failed));
            return QString();
        }
        return made;
    }();
    return path;
}

// The program's database in a folder of its own, copied afresh from
// `source` for each iteration.
class WorkingCopy
{
public:
    explicit WorkingCopy(const QString& source)
        : m_source(source)
        , m_file(m_dir.filePath(QStringLiteral("TesvarBrowser.db")))
    {
    }

    QString folder() const { return m_dir.path(); }
    QString file() const { return m_file; }
    bool fresh() const
    {
        QFile::remove(m_file);
        return QFile::copy(m_source, m_file);
    }

private:
    QTemporaryDir m_dir;
    QString m_source;
    QString m_file;
};

void timeStartWithCleanup(benchmark::State& state, bool expired)
{
    if (!StartupBenchFolder::ensure()) {
        state.SkipWithError("the lived-in database could not be made");
        return;
    }
    const QString source = expired ? expiredHistoryDatabase() : QDir::current().filePath("TesvarBrowser.db");
    if (source.isEmpty()) {
        state.SkipWithError("the database with expired history could not be made");
        return;
    }
    const WorkingCopy work(source);
    const QString home = QDir::currentPath();
    QVector<double> gaps;
    QVector<double> cleaningGaps;
    QVector<double> cleanups;
    double oneStatementMs = 0;
    int batches = 0;
    for (auto _ : state) {
        if (!work.fresh()) {
            state.SkipWithError("the database could not be copied");
            break;
        }
        QDir::setCurrent(work.folder());
        double longest = 0;
        double longestCleaning = 0;
        double cleanupMs = -1;
        {
            Vexal::DBManager manager;
            std::unique_ptr<Vexal::WndMain> window = Vexal::WndMain::create(manager);
            if (!window) {
                state.SkipWithError("start-up failed");
                break;
            }
            Vexal::HistoryCleanup* cleanup = window->historyCleanup();
            PaintCounter painted(window.get());
            qApp->installEventFilter(&painted);
            QElapsedTimer clock;
            clock.start();
            qint64 last = 0;
            int turnsAfterPaint = 0;
            QEventLoop loop;
            QTimer turn;
            turn.setInterval(0);
            QObject::connect(&turn, &QTimer::timeout, [&] {
                const qint64 now = clock.nsecsElapsed();
                longest = std::max(longest, (now - last) / 1e6);
                if (cleanup->isRunning())
                    longestCleaning = std::max(longestCleaning, (now - last) / 1e6);
                last = now;
                // The start-up's last steps follow the first paint at once.
                if (painted.count > 0 && ++turnsAfterPaint > 50 && !cleanup->isRunning()) {
                    cleanupMs = now / 1e6;
                    loop.quit();
                }
                if (now > qint64(600) * 1000000000)
                    loop.quit();
            });
            turn.start();
            window->setVisible(true);
            loop.exec();
            turn.stop();
            qApp->removeEventFilter(&painted);
            batches = cleanup->batches();
            window->slotExit();
            window.reset();
            QCoreApplication::processEvents();
        }
        QDir::setCurrent(home);
        if (cleanupMs < 0) {
            state.SkipWithError("the cleanup did not end");
            break;
        }
        state.SetIterationTime(longest / 1e3);
        gaps << longest;
        cleaningGaps << longestCleaning;
        cleanups << cleanupMs;

        // What one statement on the window's thread held it for.
        state.PauseTiming();
        work.fresh();
        {
            OldFiles::Connection file(work.file());
            QElapsedTimer one;
            one.start();
            const QString failed = file.exec({Vexal::DBQueryManager::deleteHistoryBeforeText(7, QDate::currentDate())});
            oneStatementMs = failed.isEmpty() ? one.nsecsElapsed() / 1e6 : -1;
        }
        state.ResumeTiming();
    }
    state.counters["longest_gap_ms"] = median(gaps);
    state.counters["cleaning_gap_ms"] = median(cleaningGaps);
    state.counters["start_to_cleaned_ms"] = median(cleanups);
    state.counters["batches"] = batches;
    state.counters["one_statement_ms"] = oneStatementMs;
}

void BM_StartWithExpiredHistory(benchmark::State& state)
{
    timeStartWithCleanup(state, true);
}
BENCHMARK(BM_StartWithExpiredHistory)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_StartWithNothingExpired(benchmark::State& state)
{
    timeStartWithCleanup(state, false);
}
BENCHMARK(BM_StartWithNothingExpired)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// A user's saves while the start-up cleanup removes the 850,000 expired
// history rows of BM_StartWithExpiredHistory's file, beside saves with no
// job at work on the same file, in the same run: a bookmark stored every
// 5 ms, noJobSaves of them before the cleanup starts, then until it has
// ended. longest_save_ms is the longest that one save took during the
// cleanup (its wait for the job's batch included), no_job_longest_save_ms
// the peer; failed_saves counts the saves that did not land (none may).
constexpr int noJobSaves = 300;

void BM_SaveDuringCleanup(benchmark::State& state)
{
    const QString source = expiredHistoryDatabase();
    if (source.isEmpty()) {
        state.SkipWithError("the database with expired history could not be made");
        return;
    }
    const WorkingCopy work(source);
    const QString home = QDir::currentPath();
    QVector<double> during;
    QVector<double> alone;
    QVector<double> middles;
    QVector<double> middlesAlone;
    int failed = 0;
    int saves = 0;
    int batches = 0;
    int number = 0;
    // One save's time in ms; a failure is counted.
    const auto save = [&failed, &number] {
        Vexal::DBBookmark bookmark;
        bookmark.setName(QStringLiteral("Saved %1").arg(++number));
        bookmark.setTitle(bookmark.name());
        bookmark.setUrl(QStringLiteral("http://www.site%1.example/saved").arg(number));
        QElapsedTimer clock;
        clock.start();
        if (!bookmark.save())
            ++failed;
        return clock.nsecsElapsed() / 1e6;
    };
    for (auto _ : state) {
        state.PauseTiming();
        if (!work.fresh()) {
            state.SkipWithError("the database could not be copied");
            break;
        }
        QDir::setCurrent(work.folder());
        QVector<double> times;
        QVector<double> timesAlone;
        {
            Vexal::DBManager manager;
            if (!manager.setupConnection()) {
                QDir::setCurrent(home);
                state.SkipWithError("the database could not be opened");
                break;
            }
            for (int i = 0; i < noJobSaves; ++i) {
                timesAlone << save();
                QThread::msleep(5);
            }
            Vexal::HistoryCleanup cleanup;
            state.ResumeTiming();
            cleanup.start(7);
            while (cleanup.isRunning()) {
                times << save();
                QThread::msleep(5);
                QCoreApplication::processEvents();
            }
            state.PauseTiming();
            batches = cleanup.batches();
        }
        QSqlDatabase::database().close();
        QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
        Vexal::DBConnection::defaultConnectionChanged();
        QDir::setCurrent(home);
        const double longest = times.isEmpty() ? 0 : *std::max_element(times.begin(), times.end());
        during << longest;
        alone << (timesAlone.isEmpty() ? 0 : *std::max_element(timesAlone.begin(), timesAlone.end()));
        middles << median(times);
        middlesAlone << median(timesAlone);
        saves = times.size();
        state.SetIterationTime(longest / 1e3);
        state.ResumeTiming();
    }
    state.counters["longest_save_ms"] = median(during);
    state.counters["no_job_longest_save_ms"] = median(alone);
    state.counters["median_save_ms"] = median(middles);
    state.counters["no_job_median_save_ms"] = median(middlesAlone);
    state.counters["saves"] = saves;
    state.counters["failed_saves"] = failed;
    state.counters["batches"] = batches;
}
BENCHMARK(BM_SaveDuringCleanup)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// A database of a user who has kept every project for years: a million
// projects (imported, then one chosen: three quarters of the way in, or the
// newest), a hundred thousand each of history rows, ranks and master
// accounts. It is made in a few seconds by statements through the schema of
// the file at `path`.
constexpr int largeProjects = 1000000;
constexpr int largeRows = 100000;
constexpr int largeActiveProject = largeProjects * 3 / 4;

bool fillLargeDatabase(const QString& path, int activeProject)
{
    const QString name = QStringLiteral("startup-bench-large");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery query(db);
        const auto run = [&](const QString& statement) {
            ok = ok && query.prepare(statement) && execOrReport(query);
        };
        const QString numbers =
            QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) ");
        run(QStringLiteral("PRAGMA synchronous = OFF;"));
        run(QStringLiteral("BEGIN;"));
        run(QStringLiteral("UPDATE Project SET Active = 0;"));
        run(numbers.arg(largeProjects)
            + QStringLiteral("INSERT INTO Project (Name, Comments, Active, URL) SELECT 'Project ' || i || ' of a client', "
                             "'Keywords, links, directories and articles kept for client ' || i || ' since the start', "
                             "i = %1, 'http://www.client' || i || '.example/landing/page' FROM n;")
                  .arg(activeProject));
        // History of the last six days (the expiry after the first paint
        // deletes none), with the page icons of the lived-in database.
        run(QStringLiteral("CREATE TEMP TABLE BenchIcon (N INTEGER PRIMARY KEY, Icon BLOB);"));
        const QList<QVariant> icons = pageIcons();
        for (int i = 0; ok && i < icons.size(); ++i) {
            query.prepare(QStringLiteral("INSERT INTO BenchIcon (N, Icon) VALUES (?, ?);"));
            query.addBindValue(i);
            query.addBindValue(icons.at(i));
            ok = execOrReport(query);
        }
        run(numbers.arg(largeRows)
            + QStringLiteral("INSERT INTO History (Name, Icon, Title, URL, CreateDate) SELECT 'Page ' || i, "
                             "(SELECT Icon FROM BenchIcon WHERE N = i % %1), 'Page ' || i || ' of site ' || (i % 2000), "
                             "'http://www.site' || (i % 2000) || '.example/page/' || i, "
                             "strftime('%Y-%m-%dT%H:%M:%S', 'now', 'localtime', '-' || (i * 5) || ' seconds') FROM n;")
                  .arg(icons.size()));
        run(numbers.arg(largeRows)
            + QStringLiteral("INSERT INTO Rank (Name, Host, CreateDate, Google, Alexa) SELECT 'www.site' || i || '.example', "
                             "'www.site' || i || '.example', date('now', '-' || (i % 300) || ' days'), i % 10, i * 7 FROM n;"));
        run(numbers.arg(largeRows)
            + QStringLiteral("INSERT INTO MasterAccount (Name, Active, FirstName, LastName, FullName, ScreenName, Gender, "
                             "Birthday, Login, Password, Email, URL, Question, Answer, Country, City, Province, Address, "
                             "ZipCode, Phone) SELECT 'Account ' || i, i = 1, 'First' || i, 'Last' || i, "
                             "'First' || i || ' Last' || i, 'screen' || i, i % 2, '1980-01-01', 'login' || i, "
                             "'AwLvvDLa3/k=', 'user' || i || '@mail.example', 'http://www.user' || i || '.example/', 1, "
                             "'answer', 'Country', 'City', 'Province', i || ' Main Street', '12345', '555-0100' FROM n;"));
        run(QStringLiteral("COMMIT;"));
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

// Instructions that `program` runs in `folder` from its launch to its first
// paint, counted by callgrind in the dump that FirstPaint asks for (counts
// repeat from run to run, unlike times); negative on failure.
double instructionsToFirstPaint(const QString& program, const QString& folder)
{
    QTemporaryDir out;
    const QString counts = out.filePath(QStringLiteral("counts"));
    QProcessEnvironment server;
    server.insert(QStringLiteral("TESVAR_SERVER_URL"), QStringLiteral("http://127.0.0.1:1/"));
    return Callgrind::run(counts, {program}, true, folder, server)
        ? Callgrind::instructionsIn(counts + QStringLiteral(".1"), QByteArrayLiteral("summary: "))
        : -1;
}

// Gives the file at `path` the rows of the program's own records (options,
// window, layouts) that the file at `from` has, as a start makes them.
bool copySettingsRows(const QString& path, const QString& from)
{
    QStringList statements{QStringLiteral("ATTACH DATABASE '%1' AS made").arg(from), QStringLiteral("BEGIN")};
    for (const QString& table : settingsTables()) {
        if (table != Vexal::DBSql::tableUserTable())
            statements << QStringLiteral("DELETE FROM main.%1").arg(table)
                       << QStringLiteral("INSERT INTO main.%1 SELECT * FROM made.%1").arg(table);
    }
    const QString failed = OldFiles::Connection(path).exec(statements << QStringLiteral("COMMIT"));
    if (!failed.isEmpty())
        std::fprintf(stderr, "old database: %s\n", qPrintable(failed));
    return failed.isEmpty();
}

// A start on the large database against a start on a new one, and both
// against the bare web-view window, in instructions to the first paint (in
// millions). Each database has had one start before (its options and window
// rows are made). "old" is the large database in a file that 05be2ea made
// (no index of the active projects, no version mark; its schema script kept
// in tests/data/old-files), with the newest project the active one: its
// first start brings it up to date (old_update), once; the later starts
// (old) are those of every day after. "old_unstepped" is that file without
// the step's index (its mark kept, so that no start adds it): the start that
// the old file cost on every day before.
void BM_StartInstructionsLargeAgainstNew(benchmark::State& state)
{
    if (Callgrind::valgrind().isEmpty()) {
        state.SkipWithError("valgrind is not installed: no instructions to count");
        return;
    }
    QTemporaryDir folders(QDir(qEnvironmentVariable("TESVAR_STARTUP_BENCH_DISK", QDir::tempPath()))
                              .filePath(QStringLiteral("tesvar-start-instructions-XXXXXX")));
    // TESVAR_STARTUP_BENCH_KEEP keeps the folders, to profile the programs
    // in them afterwards.
    if (qEnvironmentVariableIsSet("TESVAR_STARTUP_BENCH_KEEP")) {
        folders.setAutoRemove(false);
        std::fprintf(stderr, "databases kept in %s\n", qPrintable(folders.path()));
    }
    const QString fresh = folders.filePath(QStringLiteral("new"));
    const QString large = folders.filePath(QStringLiteral("large"));
    const QString old = folders.filePath(QStringLiteral("old"));
    const QString unsteppedOld = folders.filePath(QStringLiteral("old-unstepped"));
    const QString database = QStringLiteral("TesvarBrowser.db");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("TESVAR_SERVER_URL"), QStringLiteral("http://127.0.0.1:1/"));
    QElapsedTimer making;
    making.start();
    bool ok = QDir().mkpath(fresh) && QDir().mkpath(large) && QDir().mkpath(old) && QDir().mkpath(unsteppedOld);
    for (const QString& folder : {fresh, large})
        ok = ok && startProgram(startupBrowser(), environment, folder).seconds > 0;
    ok = ok && fillLargeDatabase(QDir(large).filePath(database), largeActiveProject);
    ok = ok && startProgram(startupBrowser(), environment, large).seconds > 0;
    const QString oldFile = QDir(old).filePath(database);
    const QString made = OldFiles::make(oldFile, QStringLiteral("05be2ea"), false);
    if (!made.isEmpty())
        std::fprintf(stderr, "old database: %s\n", qPrintable(made));
    ok = ok && made.isEmpty() && fillLargeDatabase(oldFile, largeProjects)
        && copySettingsRows(oldFile, QDir(fresh).filePath(database));
    if (!ok) {
        state.SkipWithError("the databases could not be made");
        return;
    }
    std::fprintf(stderr, "large database: made in %.1f s (%.1f MB)\n", making.nsecsElapsed() / 1e9,
                 QFileInfo(QDir(large).filePath(database)).size() / 1e6);

    double bare = 0;
    double onNew = 0;
    double onLarge = 0;
    double oldUpdate = 0;
    double onOld = 0;
    double onUnstepped = -1;
    for (auto _ : state) {
        bare = instructionsToFirstPaint(startupBare(), fresh);
        onNew = instructionsToFirstPaint(startupBrowser(), fresh);
        onLarge = instructionsToFirstPaint(startupBrowser(), large);
        oldUpdate = instructionsToFirstPaint(startupBrowser(), old);
        onOld = instructionsToFirstPaint(startupBrowser(), old);
        const QString unstepped = QDir(unsteppedOld).filePath(database);
        QFile::remove(unstepped);
        if (QFile::copy(oldFile, unstepped)
            && OldFiles::Connection(unstepped).exec({QStringLiteral("DROP INDEX IdxProjectActive")}).isEmpty())
            onUnstepped = instructionsToFirstPaint(startupBrowser(), unsteppedOld);
        if (bare < 0 || onNew < 0 || onLarge < 0 || oldUpdate < 0 || onOld < 0 || onUnstepped < 0) {
            state.SkipWithError("a program did not paint its window and exit under callgrind");
            return;
        }
    }
    state.counters["bare_Mi"] = bare / 1e6;
    state.counters["new_Mi"] = onNew / 1e6;
    state.counters["large_Mi"] = onLarge / 1e6;
    state.counters["old_update_Mi"] = oldUpdate / 1e6;
    state.counters["old_Mi"] = onOld / 1e6;
    state.counters["large_per_new"] = onLarge / onNew;
    state.counters["old_per_new"] = onOld / onNew;
    state.counters["old_update_per_new"] = oldUpdate / onNew;
    state.counters["old_unstepped_Mi"] = onUnstepped / 1e6;
    state.counters["old_unstepped_per_new"] = onUnstepped / onNew;
    state.counters["new_per_bare"] = onNew / bare;
    state.counters["old_per_bare"] = onOld / bare;
}
BENCHMARK(BM_StartInstructionsLargeAgainstNew)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
