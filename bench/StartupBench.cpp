#include "data/DBManager.h"
#include "data/DBSchema.h"
#include "core/DBSql.h"
#include "app/WndMain.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWebView>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int historyRows = 10000;

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

// A folder holding a database with 10,000 recent history rows and one active
// project, made the current directory on first use. The server jobs are sent
// to a closed port on 127.0.0.1.
class StartupBenchFolder
{
public:
    static void ensure()
    {
        static std::unique_ptr<StartupBenchFolder> instance;
        if (!instance)
            instance.reset(new StartupBenchFolder);
        QDir::setCurrent(instance->m_dir.path());
    }

private:
    StartupBenchFolder()
    {
        qputenv("TESVAR_SERVER_URL", "http://127.0.0.1:1/");
        const QString name = QStringLiteral("startup-bench");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(m_dir.filePath(QStringLiteral("TesvarBrowser.db")));
            db.open();
            Vexal::DBSchema::create(db);
            db.transaction();
            QSqlQuery query(db);
            query.exec(QStringLiteral("INSERT INTO %1 (%2, %3) VALUES ('Default', 1)")
                           .arg(Vexal::DBSql::tableProject(), Vexal::DBSql::colName(), Vexal::DBSql::colActive()));
            query.prepare(QStringLiteral("INSERT INTO %1 (%2, %3, %4, %5) VALUES (?, ?, ?, ?)")
                              .arg(Vexal::DBSql::tableHistory(), Vexal::DBSql::colName(), Vexal::DBSql::colTitle(),
                                   Vexal::DBSql::colURL(), Vexal::DBSql::colCreateDate()));
            const QString now = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss"));
            for (int i = 0; i < historyRows; ++i) {
                query.addBindValue(QStringLiteral("Page %1").arg(i));
                query.addBindValue(QStringLiteral("Title of page %1").arg(i));
                query.addBindValue(QStringLiteral("http://127.0.0.1/page%1").arg(i));
                query.addBindValue(now);
                query.exec();
            }
            db.commit();
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }

    QTemporaryDir m_dir;
};

// The program's start-up up to the shown and painted window: database steps,
// server-jobs wait, the five set-up steps (menus, window state, options,
// history clean-up). The database exists beforehand, and one untimed start-up
// has made its options and window records, as on every start but the first.
void BM_StartupToWindowShown(benchmark::State& state)
{
    StartupBenchFolder::ensure();
    {
        Vexal::DBManager manager;
        std::unique_ptr<Vexal::WndMain> window = Vexal::WndMain::create(manager);
        if (window)
            window->slotExit();
    }
    QCoreApplication::processEvents();
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

// The reference: a bare main window with a tab widget holding a web view with
// a blank page (ours opens one default tab), shown and painted.
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

// Launches one of the two start-up programs in the benchmark's folder and times
// it from launch to its first paint; the program then exits on its own.
void timeProgramStart(benchmark::State& state, const QString& program)
{
    StartupBenchFolder::ensure();
    for (auto _ : state) {
        QProcess process;
        process.setProgram(program);
        process.setProcessChannelMode(QProcess::SeparateChannels);
        process.setStandardErrorFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        process.start();
        bool painted = false;
        while (!painted && process.waitForReadyRead(10000))
            painted = process.readAllStandardOutput().contains("painted");
        const double seconds = timer.nsecsElapsed() / 1e9;
        process.waitForFinished(10000);
        if (!painted || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            state.SkipWithError("the program did not paint its window and exit");
            break;
        }
        state.SetIterationTime(seconds);
    }
}

// The whole program start as its user waits for it: process launch, libraries,
// application object, database, window, first paint.
void BM_ProgramStartBrowser(benchmark::State& state)
{
    timeProgramStart(state, QStringLiteral(TESVAR_STARTUP_BROWSER));
}
BENCHMARK(BM_ProgramStartBrowser)->UseManualTime()->Unit(benchmark::kMillisecond);

// The same for the bare web-view window program.
void BM_ProgramStartBareWebView(benchmark::State& state)
{
    timeProgramStart(state, QStringLiteral(TESVAR_STARTUP_BARE));
}
BENCHMARK(BM_ProgramStartBareWebView)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
