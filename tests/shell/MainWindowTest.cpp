#include "TestRows.h"
#include "TestRunner.h"
#include "UnderX11.h"

#include "ApplicationLoop.h"
#include "EndlessJob.h"
#include "FakePage.h"
#include "ProgramServer.h"
#include "FileSizeLimit.h"
#include "ScriptedPrompt.h"
#include "CleanupAtWork.h"
#include "SpyTexts.h"
#include "TestDatabase.h"
#include "core/ConstApp.h"
#include "core/Init.h"
#include "core/Logger.h"
#include "core/RecordKind.h"
#include "core/UtilSignalManager.h"
#include "data/DBCache.h"
#include "data/DBOptions.h"
#include "data/HistoryCleanup.h"
#include "exchange/RecordKinds.h"
#include "exchange/ThreadDBBackup.h"
#include "exchange/ThreadDBClean.h"
#include "exchange/ThreadDBReindex.h"
#include "exchange/ThreadXmlExport.h"
#include "core/DBSql.h"
#include "shell/BaseTab.h"
#include "shell/NetworkAccessManager.h"
#include "shell/WidFind.h"
#include "shell/WidGotoLine.h"
#include "shell/WidLocationBar.h"
#include "shell/WidLocationEdit.h"
#include "shell/WidNavigationBar.h"
#include "shell/WidNotificationBar.h"
#include "shell/WidPageSource.h"
#include "shell/WidReplace.h"
#include "shell/WidSearchBar.h"
#include "shell/WidSearchEdit.h"
#include "shell/WidStatusBar.h"
#include "shell/WidTabManager.h"
#include "shell/WidWebTab.h"
#include "app/UtilExitSignals.h"
#include "app/WndMain.h"
#include "sites/SecurityManager.h"
#include "sites/WidProjectEditor.h"
#include "sites/SecurityNotificator.h"
#include "core/UtilPrompt.h"
#include "texts/LocaleBrowser.h"
#include "texts/LocaleMessage.h"
#include "texts/LocaleThread.h"
#include "views/UtilDialog.h"
#include "widgets/DlgProgress.h"

#include <QAction>
#include <QClipboard>
#include <QCommandLinkButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QSpinBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QMenu>
#include <QMenuBar>
#include <QNetworkProxy>
#include <QPointer>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QWebView>
#include <QtTest>

#include <csignal>
#include <functional>
#include <cerrno>
#include <cstring>
#include <memory>

using namespace Vexal;

namespace {

// Runs a check when the watched window is first shown.
class ShowWatcher : public QObject
{
public:
    ShowWatcher(QWidget* window, std::function<void()> check)
        : m_check(std::move(check))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && m_check) {
            m_check();
            m_check = nullptr;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_check;
};

// Records whether the server jobs ran before the window set itself up.
class RecordingWindow : public WndMain
{
public:
    bool serverRunningAtSetup = false;

protected:
    void setupWindow() override
    {
        serverRunningAtSetup = SecurityManager::isRunning();
        WndMain::setupWindow();
    }
};

// A page that records the commands it receives.
class CommandPage : public FakePage
{
    Q_OBJECT
public:
    void save() override { calls << QStringLiteral("save"); }
    void undo() override { calls << QStringLiteral("undo"); }
    void redo() override { calls << QStringLiteral("redo"); }
    void cut() override { calls << QStringLiteral("cut"); }
    void copy() override { calls << QStringLiteral("copy"); }
    void paste() override { calls << QStringLiteral("paste"); }
    void add() override { calls << QStringLiteral("add"); }
    void edit() override { calls << QStringLiteral("edit"); }
    void remove() override { calls << QStringLiteral("remove"); }
    void selectAll() override { calls << QStringLiteral("selectAll"); }
    void back() override { calls << QStringLiteral("back"); }
    void forward() override { calls << QStringLiteral("forward"); }
    void stop() override { calls << QStringLiteral("stop"); }
    void zoomIn() override { calls << QStringLiteral("zoomIn"); }
    void zoomOut() override { calls << QStringLiteral("zoomOut"); }
    void zoomReset() override { calls << QStringLiteral("zoomReset"); }
    void setZoomTextOnly(bool on) override
    {
        calls << QStringLiteral("zoomTextOnly");
        FakePage::setZoomTextOnly(on);
    }
    bool isModified() const override { return modified; }
    QString selectedText() const override { return QStringLiteral("chosen"); }
    void find(const QString& text, bool forward, bool) override
    {
        calls << QStringLiteral("find %1 %2").arg(text).arg(forward);
    }
    bool modified = false;
};

// Holds the database's exclusive lock from a connection of its own, on a
// thread of its own, until the job is asked to stop: in the rollback journal
// of the test's database the job's first statement waits for it till then.
class LockUntilCancelled : public QThread
{
public:
    LockUntilCancelled(const QString& file, Thread* job)
        : m_file(file)
        , m_job(job)
    {
    }
    ~LockUntilCancelled() override
    {
        requestInterruption();
        wait();
    }
    QAtomicInt holding;

protected:
    void run() override
    {
        const QString name = QStringLiteral("lock-until-cancelled");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(m_file);
            if (db.open() && QSqlQuery(db).exec(QStringLiteral("BEGIN EXCLUSIVE;"))) {
                holding.storeRelease(1);
                // A job that ended says no more that it was cancelled.
                while (!m_job->isCancelled() && !m_job->isFinished() && !isInterruptionRequested())
                    msleep(2);
                QSqlQuery(db).exec(QStringLiteral("ROLLBACK;"));
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }

private:
    QString m_file;
    Thread* m_job;
};

// A job of the window's commands, by the name of its row.
Thread* maintenanceJob(const QString& name, const QString& folder, QObject* parent)
{
    if (name == QLatin1String("export"))
        return new ThreadXmlExport(int(RecordKind::Project), folder, parent);
    if (name == QLatin1String("backup"))
        return new ThreadDBBackup(parent);
    if (name == QLatin1String("clean"))
        return new ThreadDBClean(parent);
    if (name == QLatin1String("re-index"))
        return new ThreadDBReindex(parent);
    return nullptr;
}

QMenu* topMenu(QMainWindow& window, int index)
{
    return window.menuBar()->actions().at(index)->menu();
}

QAction* item(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

    ProgramServer m_server;

    // A fresh database, scripted prompts and the window on them; a window
    // still open at the end exits as the user exits.
    struct Session {
        TestDatabase db;
        ScriptedPrompt prompt;
        std::unique_ptr<WndMain> window;
        bool open()
        {
            window = std::make_unique<WndMain>();
            return window->initialize();
        }
        ~Session()
        {
            if (window && window->isVisible())
                window->slotExit();
        }
        // The tab manager never closes its last tab: they are taken out directly.
        bool openWithoutTabs()
        {
            if (!open())
                return false;
            WidTabManager* tabs = window->tabManager();
            while (tabs->count() > 0) {
                QWidget* page = tabs->widget(0);
                tabs->removeTab(0);
                delete page;
            }
            return true;
        }
        // Open and the active window, as keys need it (also under X11,
        // where no window manager activates it).
        bool openActive()
        {
            if (!open())
                return false;
            window->activateWindow();
            QApplication::setActiveWindow(window.get());
            return QTest::qWaitForWindowActive(window.get());
        }
        WndMain* get() const { return window.get(); }
        WndMain* operator->() const { return window.get(); }
        WndMain& operator*() const { return *window; }
        bool shows(QWidget* part) const { return part->isVisibleTo(window.get()); }
    };

private slots:
    void initTestCase() { QVERIFY(m_server.startForProgram()); }
    void cleanupTestCase() { m_server.stopForProgram(); }

    void cleanup()
    {
        DBCache::reset();
        WidSearchBar::setCurrentEngine(2);
    }

    void startUpAndBars()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        ScriptedPrompt prompt;
        RecordingWindow window;
        QVERIFY(window.initialize());
        QVERIFY(window.serverRunningAtSetup);

        // A fresh database: one active "Default" project, shown on the status bar.
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT COUNT(*) FROM Project WHERE Active = 1 AND Name = 'Default'")).toInt(), 1);
        QVERIFY(window.statusBarWidget()->projectLabel()->text().contains(QStringLiteral("Default")));

        // The find, replace and go-to bars start hidden.
        for (QWidget* bar : {static_cast<QWidget*>(window.findBar()), static_cast<QWidget*>(window.replaceBar()),
                             static_cast<QWidget*>(window.gotoLineBar()),
                             static_cast<QWidget*>(window.notificationBar())})
            QVERIFY(!bar->isVisibleTo(&window));

        // Closing either bar hides all three.
        window.replaceBar()->setVisible(true);
        window.gotoLineBar()->setVisible(true);
        window.findBar()->closeButton()->click();
        QVERIFY(!window.replaceBar()->isVisibleTo(&window));
        QVERIFY(!window.gotoLineBar()->isVisibleTo(&window));
    }

    void exportEntriesAndZoomKey()
    {
        Session window;
        QVERIFY(window.open());
        QMenu* file = topMenu(*window, 0);
        // Every kind of the registry has its Export entry, carrying its type
        // code, in the menu order and under the separators ("-") that the
        // registry gives; that order is the menu's own, not the codes'.
        QStringList entries;
        for (QAction* sub : item(file, "Export")->menu()->actions())
            for (QAction* action : sub->menu()->actions())
                entries << (action->isSeparator()
                                ? QStringLiteral("%1/-").arg(sub->text())
                                : QStringLiteral("%1/%2=%3").arg(sub->text(), action->text()).arg(action->data().toInt()));
        QStringList expected;
        for (ExportGroup group : exportGroups) {
            const QString title = RecordKinds::groupTitle(group);
            for (const RecordKindEntry* kind : RecordKinds::exportItems(group)) {
                if (kind->menu.separatorBefore)
                    expected << title + QStringLiteral("/-");
                expected << QStringLiteral("%1/%2=%3").arg(title, kind->menu.text()).arg(kindCode(kind->kind));
            }
        }
        QCOMPARE(entries, expected);
        QCOMPARE(entries.filter(QStringLiteral("=")).size(), int(RecordKinds::all().size()));
        QVERIFY(entries.indexOf(QStringLiteral("Project/Words=12"))
                < entries.indexOf(QStringLiteral("Project/Synonyms=11")));

        // Ctrl+= lives on the window itself and zooms in like the standard key.
        QAction* alternate = nullptr;
        for (QAction* action : window->actions())
            if (action->shortcut() == QKeySequence(QStringLiteral("Ctrl+=")))
                alternate = action;
        QVERIFY(alternate);
        auto* page = new CommandPage;
        window->tabManager()->addFocusedTab(page, new Init);
        alternate->trigger();
        QCOMPARE(page->calls.last(), QStringLiteral("zoomIn"));
    }

    // A maximized window is shown with its menus filled, not blank while they
    // load; the Online Tools menu is filled and the expired history goes
    // once it has been painted: a history period stored as -5 keeps
    // yesterday's history, as the options page shows 1 day.
    void maximizedWindowShownOnceLoaded()
    {
        TestDatabase db;
        ScriptedPrompt prompt;
        DBOptions options;
        QVERIFY(options.save());
        QVERIFY(TestDatabase::exec(QStringLiteral("UPDATE Options SET HistoryPeriod = -5")));
        QVERIFY(TestDatabase::exec(
            QStringLiteral("INSERT INTO History (Name, Title, URL, CreateDate) VALUES ('Yesterday', 'Y', "
                           "'http://127.0.0.1/y', '%1T12:00:00')")
                .arg(QDate::currentDate().addDays(-1).toString(Qt::ISODate))));
        QVERIFY(TestDatabase::exec(QStringLiteral(
            "INSERT INTO Bookmark (Name, Title, URL, Visible) VALUES ('One', 'One', 'http://127.0.0.1/1', 1)")));
        QVERIFY(TestDatabase::exec(QStringLiteral(
            "INSERT INTO History (Name, Title, URL, CreateDate) VALUES ('Old', 'Old', 'http://127.0.0.1/old', "
            "'2000-01-01T10:00:00')")));
        QVERIFY(TestDatabase::exec(
            QStringLiteral("INSERT INTO OnlineTool (Name, URL, Line) VALUES ('Tool', 'http://127.0.0.1/tool', 1)")));
        WndMain window;
        int entriesWhenShown = -1;
        ShowWatcher watcher(&window, [&] { entriesWhenShown = window.bookmarksMenu()->actions().size(); });
        QVERIFY(window.initialize());
        QVERIFY(window.isVisible());
        QVERIFY(window.isMaximized());
        QCOMPARE(entriesWhenShown, window.bookmarksMenu()->actions().size());
        QCOMPARE(window.bookmarksMenu()->actions().last()->data().toString(), QStringLiteral("http://127.0.0.1/1"));
        // A changed collection is shown once the hub says so.
        QVERIFY(TestDatabase::exec(QStringLiteral("UPDATE Bookmark SET URL = 'http://127.0.0.1/2'")));
        UtilSignalManager::instance()->emitRestoreBookmarksMenu();
        QCOMPARE(window.bookmarksMenu()->actions().last()->data().toString(), QStringLiteral("http://127.0.0.1/2"));
        QTRY_COMPARE(TestDatabase::value(QStringLiteral("SELECT COUNT(*) FROM History WHERE Name = 'Old'")).toInt(), 0);
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT COUNT(*) FROM History WHERE Name = 'Yesterday'")).toInt(),
                 1);
        QCOMPARE(window.onlineToolsMenu()->actions().last()->data().toString(), QStringLiteral("http://127.0.0.1/tool"));
        window.slotExit();
    }

    // Once the window is up, the expired history goes on a job of its own,
    // a batch at a time, however many rows expired; the rows of the period
    // stay. The expired history that cannot be removed (a file-size limit)
    // stays, and the bar says why until the user closes the notice; the log
    // names the cleanup, not what the window did last. On a slow disk, where
    // each batch holds the file longer than the window's own short wait,
    // bookmarks saved while it works are all stored; closing the window
    // stops it at once, and what it removed stays removed.
    void historyCleanupAtStart_data()
    {
        addColumns<int, bool, QString>("expired", "limited", "during");
        QTest::newRow("file-size limit") << 1 << true << "";
        QTest::newRow("rows of three batches") << 2 * HistoryCleanup::batchRows + 17 << false << "";
        QTest::newRow("bookmarks saved while it works") << 24 * HistoryCleanup::batchRows << false << "saves";
        QTest::newRow("closed while it works") << 24 * HistoryCleanup::batchRows << false << "close";
    }

    void historyCleanupAtStart()
    {
        QFETCH(int, expired);
        QFETCH(bool, limited);
        QFETCH(QString, during);
        TestDatabase db;
        ScriptedPrompt prompt;
        DBOptions options;
        QVERIFY(options.save());
        QVERIFY(CleanupAtWork::storeHistory(expired));
        const auto count = &CleanupAtWork::count;
        QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
        Logger::resetForTests();
        std::unique_ptr<SlowDisk> slow;
        if (!during.isEmpty()) {
            slow = std::make_unique<SlowDisk>(1);
            QVERIFY(slow->isReady());
        }
        WndMain window;
        QVERIFY(window.initialize());
        HistoryCleanup* cleanup = window.historyCleanup();
        const int saves = 12;
        if (during == QLatin1String("saves")) {
            for (int i = 0; i < saves; ++i) {
                QVERIFY(CleanupAtWork::waitForLock(db.databaseFile(), *cleanup));
                window.slotQuickBookmark(QUrl(QStringLiteral("http://127.0.0.1/saved/%1").arg(i)),
                                         QStringLiteral("Saved"), QPixmap());
            }
            QCOMPARE(TestDatabase::value(QStringLiteral("SELECT COUNT(*) FROM Bookmark WHERE Name = 'Saved'")).toInt(),
                     saves);
        }
        if (during == QLatin1String("close")) {
            QVERIFY(CleanupAtWork::waitForLock(db.databaseFile(), *cleanup));
            Logger::setContext(QStringLiteral("Vexal::WidWebTab"), QStringLiteral("Load"));
            window.slotExit();
            QTRY_VERIFY(!cleanup->isRunning());
            QVERIFY(prompt.messages.isEmpty());
            QCOMPARE(WndMain::exitCode(0), 0);
            QVERIFY(count("Old") > 0);
            QCOMPARE(count("Old"), expired - HistoryCleanup::batchRows * cleanup->batches());
            QCOMPARE(count("New"), 1);
            const QStringList stopped = Logger::warnings().filter(
                LocaleThread::jobCancelled(LocaleThread::removeExpiredHistory()).toHtmlEscaped());
            QCOMPARE(stopped.size(), 1);
            QVERIFY2(stopped.first().contains(QStringLiteral("Vexal::HistoryCleanup.")), qPrintable(stopped.first()));
            return;
        }
        if (limited) {
            Logger::setContext(QStringLiteral("Vexal::WidWebTab"), QStringLiteral("Load"));
            FileSizeLimit limit(4096);
            QVERIFY(limit.ok());
            QTRY_VERIFY(!errors.isEmpty());
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(cleanup->batches() > 0 && !cleanup->isRunning(), 60000);
            QCOMPARE(cleanup->batches(), expired / HistoryCleanup::batchRows + 1);
        }
        QCOMPARE(spyTexts(errors), limited ? QStringList{LocaleMessage::failureFor(
                                                 QString::fromLocal8Bit(std::strerror(EFBIG)))}
                                           : QStringList());
        QVERIFY(!limited || errors.first().at(1).toBool());
        const QStringList failures = Logger::errors().filter(QStringLiteral("DELETE FROM History"));
        QCOMPARE(failures.size(), limited ? 1 : 0);
        QVERIFY2(!limited
                     || failures.first().contains(
                         QStringLiteral("Vexal::HistoryCleanup.%1").arg(LocaleThread::removeExpiredHistory())),
                 qPrintable(failures.value(0)));
        QCOMPARE(count("Old"), limited ? expired : 0);
        QCOMPARE(count("New"), 1);
        window.slotExit();
    }

    // The home page is asked for once the window has been painted, not before.
    void homePageAfterFirstPaint()
    {
        Session window;
        QVERIFY(window.open());
        QCOMPARE(DBCache::startup(), 2);
        BaseTab* tab = window->tabManager()->pageAt(window->tabManager()->currentIndex());
        QVERIFY(tab);
        QVERIFY(tab->url() != DBCache::homeUrl());
        window->setVisible(true);
        QTRY_COMPARE(tab->url(), DBCache::homeUrl());
    }

    void windowStateRoundTrip()
    {
        Session window;
        QVERIFY(window.open());
        window->showNormal();
        window->setGeometry(40, 60, 900, 600);
        UtilSignalManager::instance()->emitUpdateSearchEngine(32);
        // Hiding the menu bar from the tab context menu syncs all three actions.
        window->tabMenuBarAction()->trigger();
        QVERIFY(!window.shows(window->menuBar()));
        QVERIFY(!window->viewMenuBarAction()->isChecked());
        QVERIFY(!window->windowMenuBarAction()->isChecked());
        window->viewStatusBarAction()->trigger();
        QVERIFY(!window.shows(window->statusBarWidget()));
        QVERIFY(!window->tabStatusBarAction()->isChecked());
        window->slotExit();
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT MenuBar FROM GUI")).toInt(), 0);
        QCOMPARE(WndMain::exitCode(0), 0); // all saved

        QSignalSpy engine(UtilSignalManager::instance(), &UtilSignalManager::onUpdateSearchEngine);
        QVERIFY(window.open());
        QVERIFY(!window->isMaximized());
        QCOMPARE(window->geometry(), QRect(40, 60, 900, 600));
        QVERIFY(!window.shows(window->menuBar()));
        QVERIFY(!window.shows(window->statusBarWidget()));
        QCOMPARE(window->searchEngine(), 32);
        QVERIFY(!engine.isEmpty());
        QCOMPARE(engine.first().first().toInt(), 32);
        // F10 held by the window brings the menu bar back.
        window->windowMenuBarAction()->trigger();
        QVERIFY(window.shows(window->menuBar()));
    }

    // The window's layout that cannot be written as it closes (a file-size
    // limit, or the database held by another program past the longer wait)
    // is named, with its cause when it failed, in a box in front of the
    // window, still shown, before it goes, not only in log.txt; the program
    // ends all the same, with the status that says something was not saved.
    void closingSaysWhatWasNotSaved_data()
    {
        addBoolRows("held", "file-size limit", "database held by another program");
    }

    void closingSaysWhatWasNotSaved()
    {
        QFETCH(bool, held);
        Session window;
        QVERIFY(window.open());
        window->showNormal();
        const QString holder = QStringLiteral("holder");
        const auto release = qScopeGuard([&holder] {
            QSqlDatabase::database(holder, false).close();
            QSqlDatabase::removeDatabase(holder);
        });
        std::unique_ptr<FileSizeLimit> limit;
        if (held) {
            QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), holder);
            other.setDatabaseName(window.db.databaseFile());
            QVERIFY(other.open());
            QVERIFY(QSqlQuery(other).exec(QStringLiteral("BEGIN IMMEDIATE;")));
        } else {
            limit = std::make_unique<FileSizeLimit>(4096);
            QVERIFY(limit->ok());
        }
        // A layout that differs from the stored one: written at once, or
        // kept behind the lock as the one the window closes with is.
        window->viewStatusBarAction()->trigger();
        window.prompt.messages.clear();
        window->slotExit();
        limit.reset();
        QSqlDatabase::database(holder, false).close();
        QVERIFY(!window->isVisible());
        QCOMPARE(window.prompt.messages.size(), 1);
        const ScriptedPrompt::Message told = window.prompt.messages.first();
        QCOMPARE(told.icon, QMessageBox::Warning);
        QCOMPARE(told.text, held ? LocaleMessage::changesNotSaved(QStringLiteral("The window's layout (2)"))
                                 : LocaleMessage::changesFailedAtExit(
                                       QStringLiteral("The window's layout: %1")
                                           .arg(QString::fromLocal8Bit(std::strerror(EFBIG)))));
        QVERIFY(told.parentShown);
        QCOMPARE(WndMain::exitCode(0), WndMain::unsavedExitCode);
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT COUNT(*) FROM GUI WHERE StatusBar = 0")).toInt(), 0);
    }

    // Every menu key works whether the menu bar shows or not.
    void menuKeysWithTheMenuBarHidden()
    {
        Session window;
        QVERIFY(window.openActive());
        WidTabManager* tabs = window->tabManager();
        const int before = tabs->count();

        QTest::keyClick(window.get(), Qt::Key_F10);
        QVERIFY(!window.shows(window->menuBar()));
        QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(tabs->count(), before + 1);

        // Each item that has a key is reachable from the window itself.
        std::function<void(QMenu*)> walk = [&](QMenu* menu) {
            for (QAction* action : menu->actions()) {
                if (action->menu())
                    walk(action->menu());
                else if (!action->shortcut().isEmpty())
                    QVERIFY2(window->actions().contains(action), qPrintable(action->text()));
            }
        };
        for (QAction* top : window->menuBar()->actions())
            walk(top->menu());

        QTest::keyClick(window.get(), Qt::Key_F10);
        QVERIFY(window.shows(window->menuBar()));
        QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(tabs->count(), before + 2);

        QTest::keyClick(window.get(), Qt::Key_F10);
        QVERIFY(!window.shows(window->menuBar()));
        QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!window->isVisible());
    }

    // In every field of the window's bars every editing key (typing, moving
    // and selecting, deleting, undo, redo, cut, copy, paste, select all)
    // stays in the field and runs no command of the window, and the window's
    // Page Source key wins over the field's own binding of it (delete the
    // line).
    void editingKeysStayInEveryBarField_data()
    {
        QTest::addColumn<QString>("field");
        for (const char* field : {"location", "search", "find", "replace", "go to line"})
            QTest::newRow(field) << field;
    }

    void editingKeysStayInEveryBarField()
    {
        QFETCH(QString, field);
        Session window;
        QVERIFY(window.openActive());
        const QString path = window.db.file(QStringLiteral("page.html"));
        QFile page(path);
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><head><title>Local</title></head><body>page text</body></html>");
        page.close();

        // An address typed and entered: the cursor stays in the field.
        WidTabManager* tabs = window->tabManager();
        auto* web = qobject_cast<WidWebTab*>(tabs->currentWidget());
        QVERIFY(web);
        QTRY_COMPARE(web->url(), DBCache::homeUrl());
        QLineEdit* location = web->navigationBar()->locationBar()->locationEdit();
        location->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(location->selectedText(), location->text());
        QTest::keyClicks(location, QUrl::fromLocalFile(path).toString());
        QTest::keyClick(location, Qt::Key_Return);
        QTRY_COMPARE(web->title(), QStringLiteral("Local"));

        QWidget* target = location;
        if (field == QLatin1String("search"))
            target = web->navigationBar()->searchBar()->searchEdit();
        else if (field == QLatin1String("find"))
            target = window->findBar()->edit();
        else if (field == QLatin1String("replace"))
            target = window->replaceBar()->replaceEdit();
        else if (field == QLatin1String("go to line"))
            target = window->gotoLineBar()->spinBox();
        if (target != location) {
            target->window()->activateWindow();
            target->parentWidget()->setVisible(true);
            target->setFocus(Qt::MouseFocusReason);
            QTest::keyClicks(target, QStringLiteral("12"));
        }
        QTRY_COMPARE(QApplication::focusWidget(), target);
        auto* edit = qobject_cast<QLineEdit*>(target);
        if (!edit)
            edit = target->findChild<QLineEdit*>();
        QVERIFY(edit);
        const QString typed = edit->text();
        QVERIFY(!typed.isEmpty());
        QStringList reachedWindow;
        QList<QKeySequence> editing{QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(Qt::Key_Up),
                                    QKeySequence(Qt::Key_Down), QKeySequence(Qt::SHIFT + Qt::Key_Up)};
        for (QKeySequence::StandardKey key :
             {QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Paste,
              QKeySequence::SelectAll, QKeySequence::Delete, QKeySequence::Backspace, QKeySequence::MoveToNextChar,
              QKeySequence::MoveToPreviousChar, QKeySequence::SelectNextChar, QKeySequence::SelectPreviousChar,
              QKeySequence::MoveToStartOfLine, QKeySequence::MoveToEndOfLine, QKeySequence::SelectStartOfLine,
              QKeySequence::SelectEndOfLine, QKeySequence::MoveToNextWord, QKeySequence::MoveToPreviousWord,
              QKeySequence::SelectNextWord, QKeySequence::SelectPreviousWord, QKeySequence::DeleteStartOfWord,
              QKeySequence::DeleteEndOfWord, QKeySequence::MoveToStartOfDocument,
              QKeySequence::MoveToEndOfDocument})
            editing << QKeySequence::keyBindings(key);
        for (const QKeySequence& key : editing) {
            edit->setText(typed);
            Logger::setContext(QString(), QString());
            QTest::keySequence(target, key);
            if (Logger::contextClassName() == QLatin1String("Vexal::WndMain"))
                reachedWindow << QStringLiteral("%1 ran %2").arg(key.toString(), Logger::contextAction());
        }
        QVERIFY2(reachedWindow.isEmpty(), qPrintable(reachedWindow.join(QStringLiteral(", "))));
        // What the keys do, they do to the field.
        QApplication::clipboard()->setText(QStringLiteral("3"));
        edit->setText(typed);
        QTest::keySequence(target, QKeySequence::SelectAll);
        QCOMPARE(edit->selectedText(), typed);
        QTest::keySequence(target, QKeySequence::Paste);
        QCOMPARE(edit->text(), QStringLiteral("3"));
        edit->setText(typed);
        QCOMPARE(tabs->count(), 1);

        QTest::keyClick(target, Qt::Key_U, Qt::ControlModifier);
        auto* source = qobject_cast<WidPageSource*>(tabs->currentWidget());
        QVERIFY(source);
        QCOMPARE(source->title(), QStringLiteral("Source of: Local"));
        QVERIFY(source->init()->text().contains(QLatin1String("page text")));
        QCOMPARE(edit->text(), typed);
    }

    // Under X11 a line edit binds keys that the offscreen platform leaves
    // free (Ctrl+U deletes the line): the key tests run again in a process
    // of their own on a virtual X server, as a user's desktop runs them.
    void keysUnderX11()
    {
        const QString unavailable = UnderX11::unavailable();
        if (!unavailable.isEmpty())
            QSKIP(qPrintable(unavailable));
        QByteArray output;
        QVERIFY2(UnderX11::run(QStringLiteral("MainWindowTest"), {QStringLiteral("editingKeysStayInEveryBarField"),
                                QStringLiteral("newTabTakesTheTypedAddress")}, &output), output.constData());
        QVERIFY2(output.contains("Totals: 9 passed, 0 failed"), output.constData());
    }

    // New Tab puts the cursor in the new tab's address field, wherever it was.
    void newTabTakesTheTypedAddress_data()
    {
        addBoolRows("fromLocation", "from the page", "from the address field");
    }

    void newTabTakesTheTypedAddress()
    {
        QFETCH(bool, fromLocation);
        Session window;
        QVERIFY(window.openActive());
        WidTabManager* tabs = window->tabManager();
        auto* first = qobject_cast<WidWebTab*>(tabs->currentWidget());
        QVERIFY(first);
        QWidget* start = fromLocation ? static_cast<QWidget*>(first->navigationBar()->locationBar()->locationEdit())
                                      : first->findChild<QWebView*>();
        QVERIFY(start);
        start->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), start);

        QTest::keyClick(start, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(tabs->count(), 2);
        auto* fresh = qobject_cast<WidWebTab*>(tabs->currentWidget());
        QVERIFY(fresh && fresh != first);
        QLineEdit* location = fresh->navigationBar()->locationBar()->locationEdit();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(location));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("example.org"));
        QCOMPARE(location->text(), QStringLiteral("example.org"));
    }

    void closeQuestions()
    {
        Session window;
        QVERIFY(window.openWithoutTabs());
        ScriptedPrompt& prompt = window.prompt;
        auto* first = new CommandPage;
        auto* second = new CommandPage;
        window->tabManager()->addFocusedTab(first, new Init);
        window->tabManager()->addFocusedTab(second, new Init);
        // Unsaved data is asked about first; without it, two tabs with the
        // warning option on (the default) are.
        for (const bool modified : {true, false}) {
            second->modified = modified;
            prompt.messages.clear();
            prompt.answers.enqueue(QMessageBox::No);
            window->slotCloseWindow();
            QCOMPARE(prompt.messages.size(), 1);
            QCOMPARE(prompt.messages.first().text, modified ? LocaleMessage::confirmLoseUnsavedData()
                                                           : LocaleMessage::confirmCloseAllTabs());
            QVERIFY(window->isVisible());
        }

        // At the desktop's logout each tab with unsaved edits is asked
        // about as closing it asks, shown; a No stops there.
        first->modified = true;
        second->modified = true;
        prompt.messages.clear();
        prompt.answers.enqueue(QMessageBox::Yes);
        prompt.answers.enqueue(QMessageBox::No);
        QVERIFY(!window->confirmDropUnsavedEdits());
        QCOMPARE(prompt.messages.size(), 2);
        QCOMPARE(prompt.messages.last().text, LocaleBrowser::confirmLoseUnsavedData());
        QCOMPARE(window->tabManager()->currentWidget(), second);
        first->modified = false;

        // Exit asks nothing, even with unsaved data; the log names what went.
        second->pageTitle = QStringLiteral("Draft");
        prompt.messages.clear();
        Logger::resetForTests();
        window->slotExit();
        QVERIFY(prompt.messages.isEmpty());
        QVERIFY(!window->isVisible());
        QCOMPARE(Logger::warnings().size(), 1);
        QVERIFY(Logger::warnings().first().contains(
            LocaleMessage::unsavedEditsDropped(QStringLiteral("Draft")).toHtmlEscaped()));
    }

    // SIGTERM or SIGINT while a command waits on a box, a dialog or a job:
    // the box gets its safe answer, the dialog is dismissed, the job is
    // cancelled and what it wrote rolled back; no box opens any more, the
    // window closes as Exit does, and every event loop ends. The export and
    // the maintenance jobs log that they were cancelled, and leave no file.
    void terminationSignalEndsWhatTheWindowWaitsFor_data()
    {
        addColumns<QString, int>("waiting", "signal");
        QTest::newRow("question") << "question" << int(SIGTERM);
        QTest::newRow("dialog") << "dialog" << int(SIGINT);
        QTest::newRow("job") << "job" << int(SIGTERM);
        QTest::newRow("export") << "export" << int(SIGINT);
        QTest::newRow("backup") << "backup" << int(SIGTERM);
        QTest::newRow("clean") << "clean" << int(SIGINT);
        QTest::newRow("re-index") << "re-index" << int(SIGTERM);
    }

    void terminationSignalEndsWhatTheWindowWaitsFor()
    {
        QFETCH(QString, waiting);
        QFETCH(int, signal);
        Session window;
        QVERIFY(window.open());
        window->setVisible(true);
        // Its start-up done (the home page follows it), the window waits.
        BaseTab* home = window->tabManager()->pageAt(window->tabManager()->currentIndex());
        QVERIFY(home);
        QTRY_COMPARE(home->url(), DBCache::homeUrl());
        UtilExitSignals exitSignals;
        QVERIFY(exitSignals.isWatching());
        exitSignals.setWindow(window.get());
        // Real boxes and dialogs, with their own event loops.
        UtilPrompt::setHook(nullptr);
        UtilDialog::setRunner({});

        int answer = -1;
        int later = -1;
        QPointer<Thread> job;
        EndlessJob* endless = nullptr;
        std::unique_ptr<LockUntilCancelled> lock;
        QString cancelled;
        QTemporaryDir exchange;
        Logger::resetForTests();
        QTimer::singleShot(0, window.get(), [&] {
            // The signal comes while the box, dialog or job is waited for.
            QTimer raiser;
            connect(&raiser, &QTimer::timeout, [&] {
                if (!job || (endless && endless->working.loadAcquire()) || (lock && job->isRunning())) {
                    raiser.stop();
                    ::raise(signal);
                }
            });
            raiser.start(50);
            if (waiting == QLatin1String("question")) {
                answer = UtilPrompt::question(window.get(), QStringLiteral("Tesvar"), QStringLiteral("Go on?"));
            } else {
                {
                    DlgProgress dialog;
                    // The lock lets go before the job goes with the dialog.
                    const auto letGo = qScopeGuard([&lock] { lock.reset(); });
                    if (waiting == QLatin1String("job")) {
                        job = endless = new EndlessJob(&dialog);
                    } else if (waiting != QLatin1String("dialog")) {
                        job = maintenanceJob(waiting, exchange.path(), &dialog);
                        cancelled = LocaleThread::jobCancelled(job->title());
                        lock = std::make_unique<LockUntilCancelled>(window.db.databaseFile(), job);
                        lock->start();
                        QTRY_VERIFY(lock->holding.loadAcquire());
                    }
                    if (job)
                        QTimer::singleShot(0, &dialog, &DlgProgress::slotStart);
                    dialog.build(job);
                    answer = UtilDialog::exec(&dialog);
                }
                // Gone with the dialog, which waited for it to end.
                QVERIFY(!job);
            }
            later = UtilPrompt::question(window.get(), QStringLiteral("Tesvar"), QStringLiteral("And now?"));
        });
        // Should nothing end, the loops end here and the test fails; the
        // timer goes with the test, and cannot end the loops of a later one.
        QTimer::singleShot(30000, &exitSignals, [] { QCoreApplication::exit(99); });
        QCOMPARE(ApplicationLoop::exec(), 0);
        QCOMPARE(answer, waiting == QLatin1String("question") ? int(QMessageBox::No) : int(QDialog::Rejected));
        QCOMPARE(later, int(QMessageBox::No));
        QVERIFY(!window->isVisible());
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT COUNT(*) FROM GUI")).toInt(), 1);
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT COUNT(*) FROM Project WHERE Name = 'Half-written'")).toInt(),
                 0);
        if (!cancelled.isEmpty()) {
            int said = 0;
            for (const QString& line : Logger::warnings())
                said += line.contains(cancelled.toHtmlEscaped());
            QVERIFY2(said == 1, qPrintable(Logger::allLines().join(QLatin1Char('\n'))));
            QVERIFY(QDir(exchange.path()).isEmpty());
            QVERIFY(QDir(ConstApp::backupFolderPath()).isEmpty());
        }
    }

    void dispatch()
    {
        Session window;
        QVERIFY(window.openWithoutTabs());
        ScriptedPrompt& prompt = window.prompt;
        Logger::resetForTests();
        window->slotUndo();
        QCOMPARE(Logger::contextClassName(), QStringLiteral("Vexal::WndMain"));
        // The report is logged under the command's context.
        QCOMPARE(Logger::errors().size(), 1);
        QVERIFY(Logger::errors().first().contains(QStringLiteral("Undo")));
        QVERIFY(Logger::errors().first().contains(QStringLiteral("Invalid object state. Object: tab")));

        auto* page = new CommandPage;
        window->tabManager()->addFocusedTab(page, new Init);
        page->calls.clear();
        window->slotUndo();
        window->slotPaste();
        window->slotDelete();
        window->slotBack();
        QCOMPARE(page->calls, (QStringList{"undo", "paste", "remove", "back"}));
        // Zoom Text Only toggles the tab's flag, whatever the check mark says.
        window->slotZoomTextOnly();
        QVERIFY(page->isZoomTextOnly());
        window->slotZoomTextOnly();
        QVERIFY(!page->isZoomTextOnly());
        // The find bar reaches the current tab through the find command.
        window->slotFind();
        page->calls.clear();
        emit window->findBar()->onFind(QStringLiteral("word"), true, false);
        QCOMPARE(page->calls, QStringList{QStringLiteral("find word 1")});

        // Export without a menu item as sender asks for no folder.
        window->slotExport();
        QVERIFY(prompt.folders.isEmpty());
        QCOMPARE(Logger::contextAction(), QStringLiteral("Export"));
    }

    // Every menu item, in menu order: its key, its look (checkable, checked,
    // disabled, hidden) and what it does on a page that records what reaches
    // it: the page operation it calls, the kind of tab it opens, the dialog
    // or folder question it brings up, or nothing beyond naming itself to
    // the logger. Its window slot does the same. No two items share a key.
    void everyCommandDoesItsOwnWork()
    {
        enum Look { Plain = 0, Checkable = 1, Checked = 3, Disabled = 4, Hidden = 8, Repeats = 16 };
        using K = QKeySequence;
        struct Expected {
            const char* item; // "Menu/Item", submenus as further parts
            K key;
            int look;
            // "=op" a page operation (or the bar or setting it switches),
            // "+Class" a new tab, "?Class" a dialog, "folder" a file or folder
            // question, "" nothing more; "*" not run.
            const char* effect;
        };
        const QString exports = QStringLiteral("File/Export/");
        const Expected expected[] = {
            {"File/Debug", K(), Hidden | Disabled, ""},
            {"File/New Tab", K(K::AddTab), Plain, "+Vexal::WidWebTab"},
            {"File/Open", K(K::Open), Plain, "folder"},
            {"File/Close Window", K("Ctrl+Shift+W"), Plain, "*"},
            {"File/Close Tab", K("Ctrl+W"), Plain, "=aboutToClose"},
            {"File/Save", K(K::Save), Plain, "=save"},
            {"File/Import", K(), Plain, "folder"},
            {"File/Exit", K("Ctrl+Q"), Plain, "*"},
            {"Edit/Undo", K(K::Undo), Repeats, "=undo"},
            {"Edit/Redo", K(K::Redo), Repeats, "=redo"},
            {"Edit/Cut", K(K::Cut), Plain, "=cut"},
            {"Edit/Copy", K(K::Copy), Plain, "=copy"},
            {"Edit/Paste", K(K::Paste), Plain, "=paste"},
            {"Edit/Add", K(K::New), Plain, "=add"},
            {"Edit/Edit", K("Ctrl+M"), Plain, "=edit"},
            {"Edit/Delete", K(K::Delete), Plain, "=remove"},
            {"Edit/Select All", K(K::SelectAll), Plain, "=selectAll"},
            {"Edit/Find", K(K::Find), Plain, "=find bar"},
            {"Edit/Find Next", K(K::FindNext), Repeats, "=find word 1"},
            {"Edit/Find Previous", K(K::FindPrevious), Repeats, "=find word 0"},
            {"Edit/Replace", K(K::Replace), Plain, "=replace bar"},
            {"Navigate/Back", K(K::Back), Repeats, "=back"},
            {"Navigate/Forward", K(K::Forward), Repeats, "=forward"},
            {"Navigate/Reload", K(K::Refresh), Plain, "=reload"},
            {"Navigate/Stop", K("Esc"), Plain, "=stop"},
            {"Navigate/Home Page", K("Alt+Home"), Plain, "+Vexal::WidWebTab"},
            {"Navigate/Open Location", K("Ctrl+L"), Plain, ""},
            {"Navigate/Web Search", K("Ctrl+K"), Plain, ""},
            {"View/Menu Bar", K("F10"), Checked, "=menu bar"},
            {"View/Status Bar", K(), Checked, "=status bar"},
            {"View/Zoom/Zoom In", K(K::ZoomIn), Repeats, "=zoomIn"},
            {"View/Zoom/Zoom Out", K(K::ZoomOut), Repeats, "=zoomOut"},
            {"View/Zoom/Reset", K("Ctrl+0"), Plain, "=zoomReset"},
            {"View/Zoom/Zoom Text Only", K(), Checkable, "=zoomTextOnly"},
            {"View/Page Style/No Style", K(), Checkable | Disabled, "*"},
            {"View/Page Style/Original Style", K(), Checked | Disabled, "*"},
            {"View/Page Source", K("Ctrl+U"), Plain, ""},
            {"History/History", K("Ctrl+Shift+H"), Plain, "+Vexal::WidHistoryJournal"},
            {"History/Clear Recent History", K("Ctrl+Shift+Del"), Plain, "?Vexal::DlgCleanHistory"},
            {"Bookmarks/Quick Bookmark", K("Ctrl+D"), Plain, ""},
            {"Bookmarks/Bookmark this Tab", K(), Plain, ""},
            {"Bookmarks/Bookmark all Tabs", K("Ctrl+Shift+D"), Plain, ""},
            {"Bookmarks/Bookmarks", K("Ctrl+Shift+B"), Plain, "+Vexal::WidBookmarkJournal"},
            {"Tools/Page Rank", K(), Plain, ""},
            {"Tools/Page Rank History", K(), Plain, "+Vexal::WidRankJournal"},
            {"Tools/GUID", K(), Plain, "?Vexal::DlgGuid"},
            {"Tools/Strong Password", K(), Plain, "?Vexal::DlgPasswordGenerator"},
            {"Tools/Uri Info", K(), Plain, ""},
            {"Tools/Error Console", K("Ctrl+Shift+J"), Plain, "+Vexal::WidErrorConsole"},
            {"Tools/Notification Console", K(), Plain, "+Vexal::WidNotificationConsole"},
            {"Tools/Downloads", K("Ctrl+J"), Disabled, "*"},
            {"Tools/Form Filler", K(), Plain, ""},
            {"Tools/Database/Backup Database", K(), Plain, "?Vexal::DlgProgress"},
            {"Tools/Database/Clean Database", K(), Plain, "?Vexal::DlgProgress"},
            {"Tools/Database/Rebuild Indexes", K(), Plain, "?Vexal::DlgProgress"},
            {"Tools/Database/Database", K(), Plain, "+Vexal::WidDatabaseJournal"},
            {"Tools/Private Browsing", K("Ctrl+Shift+P"), Checkable, "=private browsing"},
            {"Tools/Options", K(), Plain, "+Vexal::WidOptionsEditor"},
            {"Web/Websites", K(), Plain, "+Vexal::WidWebsiteJournal"},
            {"Web/Master Accounts", K(), Plain, "+Vexal::WidMasterAccountJournal"},
            {"Web/Accounts", K(), Plain, "+Vexal::WidAccountJournal"},
            {"Web/Quick Login", K("Ctrl+Shift+L"), Plain, ""},
            {"Web/Login", K(), Plain, ""},
            {"Web/Register", K(), Plain, ""},
            {"Web/Logout", K(), Plain, ""},
            {"Web/Home Page", K(), Plain, ""},
            {"Web/Login Page", K(), Plain, ""},
            {"Web/Registration Page", K(), Plain, ""},
            {"Web/User Page", K(), Plain, ""},
            {"Web/Selectors", K(), Plain, ""},
            {"Web/Templates/Login", K(), Plain, "+Vexal::WidLoginTemplateJournal"},
            {"Web/Templates/Registration", K(), Plain, "+Vexal::WidRegistrationTemplateJournal"},
            {"Web/Templates/Articles", K(), Plain, "+Vexal::WidArticleTemplateJournal"},
            {"Web/Templates/Directories", K(), Plain, "+Vexal::WidDirectoryTemplateJournal"},
            {"Web/Templates/Social Bookmarks", K(), Plain, "+Vexal::WidSocialBookmarkTemplateJournal"},
            {"Projects/Projects", K(), Plain, "+Vexal::WidProjectJournal"},
            {"Projects/Switch to Project", K("Ctrl+P"), Plain, "?Vexal::DlgSelectProject"},
            {"Projects/Articles/Articles", K(), Plain, "+Vexal::WidArticleJournal"},
            {"Projects/Articles/Spun Articles", K(), Plain, "+Vexal::WidSpinnedArticleJournal"},
            {"Projects/Articles/Categories", K(), Plain, "+Vexal::WidCategoryJournal"},
            {"Projects/Articles/Synonyms", K(), Plain, "+Vexal::WidSynonymJournal"},
            {"Projects/Articles/Submit", K(), Plain, ""},
            {"Projects/Directories/Directories", K(), Plain, "+Vexal::WidDirectoryJournal"},
            {"Projects/Directories/Submit", K(), Plain, ""},
            {"Projects/Social Bookmarks/Social Bookmarks", K(), Plain, "+Vexal::WidSocialBookmarkJournal"},
            {"Projects/Social Bookmarks/Submit", K(), Plain, ""},
            {"Help/Online Help", K(K::HelpContents), Plain, "+Vexal::WidWebTab"},
            {"Help/Check for Updates", K(), Plain, "+Vexal::WidWebTab"},
            {"Help/Check for new Templates", K(), Plain, "+Vexal::WidWebTab"},
            {"Help/About Qt", K(), Plain, "*"},
            {"Help/About", K(), Plain, "*"},
        };

        Session window;
        ScriptedPrompt& prompt = window.prompt;
        QStringList dialogs;
        UtilDialog::setRunner([&dialogs](QDialog* dialog) {
            dialogs << QString::fromLatin1(dialog->metaObject()->className());
            return int(QDialog::Rejected);
        });
        QVERIFY(window.openWithoutTabs());
        window->setVisible(true);
        window->activateWindow();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        // The window's notices would name themselves over the command.
        UtilSignalManager::instance()->disconnect(window.get());
        WidTabManager* tabs = window->tabManager();
        QPointer<CommandPage> page;
        // The recording page, current, and one other tab (Close Tab needs it).
        const auto freshPage = [&] {
            if (!page || tabs->indexOf(page) < 0) {
                page = new CommandPage;
                tabs->addFocusedTab(page, new Init);
            }
            for (int i = tabs->count() - 1; i >= 0; --i) {
                if (tabs->widget(i) == page || (i == 0 && tabs->count() == 2))
                    continue;
                QWidget* other = tabs->widget(i);
                tabs->removeTab(i);
                delete other;
            }
            if (tabs->count() < 2)
                tabs->addTab(new FakePage, new Init, false, false);
            tabs->setCurrentWidget(page);
            page->calls.clear();
        };
        // What the command did, in the terms of the table.
        const auto effectOf = [&](const std::function<void()>& run) {
            freshPage();
            window->findBar()->setVisible(false);
            window->replaceBar()->setVisible(false);
            window->findBar()->edit()->setText(QStringLiteral("word"));
            const bool menuBar = window->menuBar()->isVisible();
            const bool statusBar = window->statusBarWidget()->isVisible();
            const bool savesHistory = DBCache::saveHistory();
            const int folders = prompt.folders.size();
            dialogs.clear();
            QWidget* before = tabs->currentWidget();
            Logger::setContext(QString(), QString());
            run();
            QString effect;
            if (!page->calls.isEmpty())
                effect = QLatin1Char('=') + page->calls.join(QLatin1Char(','));
            else if (tabs->currentWidget() != before)
                effect = QLatin1Char('+') + QString::fromLatin1(tabs->currentWidget()->metaObject()->className());
            else if (!dialogs.isEmpty())
                effect = QLatin1Char('?') + dialogs.join(QLatin1Char(','));
            else if (prompt.folders.size() != folders)
                effect = QStringLiteral("folder");
            else if (window->findBar()->isVisible() && window->findBar()->edit()->text() == page->selectedText())
                effect = QStringLiteral("=find bar");
            else if (window->replaceBar()->isVisible())
                effect = QStringLiteral("=replace bar");
            else if (window->menuBar()->isVisible() != menuBar)
                effect = QStringLiteral("=menu bar");
            else if (window->statusBarWidget()->isVisible() != statusBar)
                effect = QStringLiteral("=status bar");
            else if (DBCache::saveHistory() != savesHistory)
                effect = QStringLiteral("=private browsing");
            // Switched back for the next command.
            if (window->menuBar()->isVisible() != menuBar)
                window->viewMenuBarAction()->trigger();
            if (window->statusBarWidget()->isVisible() != statusBar)
                window->viewStatusBarAction()->trigger();
            if (DBCache::saveHistory() != savesHistory)
                window->privateBrowsingAction()->trigger();
            return effect;
        };

        // The items as the menus hold them, "Menu/Item" and the window-level
        // actions as "window".
        QMap<QString, QAction*> items;
        QStringList wrong;
        std::function<void(QMenu*, const QString&)> walk = [&](QMenu* menu, const QString& path) {
            for (QAction* action : menu->actions()) {
                const QString text = action->text().replace(QStringLiteral("&&"), QStringLiteral("&"));
                if (action->menu())
                    walk(action->menu(), path + text + QLatin1Char('/'));
                else if (!action->isSeparator() && path != QLatin1String("Tools/Online Tools/"))
                    items.insert(path + text, action);
            }
        };
        for (QAction* top : window->menuBar()->actions())
            walk(top->menu(), top->text().remove(QLatin1Char('&')) + QLatin1Char('/'));

        QMap<QString, QString> keys; // key -> item
        const auto claim = [&](const QKeySequence& key, const QString& owner) {
            if (key.isEmpty())
                return;
            if (keys.contains(key.toString()))
                wrong << QStringLiteral("%1 and %2 share %3").arg(keys.value(key.toString()), owner, key.toString());
            keys.insert(key.toString(), owner);
        };
        for (QAction* action : window->actions())
            if (!items.values().contains(action))
                for (const QKeySequence& key : action->shortcuts())
                    claim(key, QStringLiteral("a window action"));

        QStringList seen;
        for (const Expected& row : expected) {
            const QString name = QString::fromLatin1(row.item);
            seen << name;
            QAction* action = items.value(name);
            if (!action) {
                wrong << name + QStringLiteral(" is missing");
                continue;
            }
            if (action->shortcut() != row.key)
                wrong << QStringLiteral("%1 has the key %2").arg(name, action->shortcut().toString());
            const int look = (action->isCheckable() ? Checkable : 0) | (action->isChecked() ? Checked : 0)
                | (action->isEnabled() ? 0 : Disabled) | (action->isVisible() ? 0 : Hidden)
                | (action->autoRepeat() ? Repeats : 0);
            if (look != row.look)
                wrong << QStringLiteral("%1 looks %2, not %3").arg(name).arg(look).arg(row.look);
            if (QLatin1String(row.effect) == QLatin1String("*"))
                continue;
            const QString effect = effectOf([action] { action->trigger(); });
            const QString context = Logger::contextClassName() == QLatin1String("Vexal::WndMain")
                ? Logger::contextAction() : QString();
            if (effect != QLatin1String(row.effect))
                wrong << QStringLiteral("%1 did \"%2\"").arg(name, effect);
            // The window names it, unless a page it reached named a step of
            // its own since; its slot does the same as its item.
            const CommandEntry* entry = window->commandOfItem(action);
            if (!entry) {
                wrong << name + QStringLiteral(" runs no command");
                continue;
            }
            if (!context.isEmpty() && context != entry->actionText())
                wrong << QStringLiteral("%1 named itself %2").arg(name, context);
            if (entry->slot && !action->isCheckable()) {
                const QString bySlot = effectOf([&] { (window.get()->*entry->slot)(); });
                if (bySlot != QLatin1String(row.effect))
                    wrong << QStringLiteral("%1's slot did \"%2\"").arg(name, bySlot);
            }
            // A held key runs it once only, unless it repeats.
            if (!row.key.isEmpty() && !(row.look & Repeats)) {
                const int key = row.key[0];
                const QString held = effectOf([&] {
                    QTest::simulateEvent(window.get(), true, key & ~Qt::KeyboardModifierMask,
                                         Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask), QString(), true);
                });
                if (!held.isEmpty() || !Logger::contextClassName().isEmpty())
                    wrong << QStringLiteral("%1 ran again while its key was held").arg(name);
            }
        }
        // Every Export item asks for a folder and names itself Export; the
        // character encodings are shown, never chosen.
        for (auto item = items.cbegin(); item != items.cend(); ++item) {
            claim(item.value()->shortcut(), item.key());
            if (item.key().startsWith(QLatin1String("View/Character Encoding/"))) {
                seen << item.key();
                if (item.value()->isEnabled() || !item.value()->shortcut().isEmpty())
                    wrong << item.key() + QStringLiteral(" can be chosen");
            }
            if (!item.key().startsWith(exports))
                continue;
            seen << item.key();
            if (effectOf([&] { item.value()->trigger(); }) != QLatin1String("folder")
                || Logger::contextAction() != QLatin1String("Export"))
                wrong << item.key() + QStringLiteral(" asked for no folder");
        }
        for (const QString& name : items.keys())
            if (!seen.contains(name))
                wrong << name + QStringLiteral(" is not expected");
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("\n"))));
        UtilDialog::setRunner({});
    }

    void notices()
    {
        Session window;
        // The server answers before any window listens: the notice waits for
        // the window and is shown there, once.
        std::unique_ptr<QThread> early(QThread::create([] { SecurityNotificator::instance()->postUpdate(); }));
        early->start();
        QVERIFY(early->wait(5000));
        QVERIFY(window.open());
        QCoreApplication::processEvents();
        QVERIFY(window.shows(window->notificationBar()));
        QCOMPARE(window->notificationBar()->text(), LocaleMessage::newUpdates());
        QVERIFY(window->notificationBar()->closeButton()->isVisible());
        window->slotExit();
        QVERIFY(window.open());
        QCoreApplication::processEvents();
        QVERIFY(!window.shows(window->notificationBar()));
        UtilSignalManager::instance()->emitWarning(QStringLiteral("careful"));
        QVERIFY(window.shows(window->notificationBar()));
        QVERIFY(window->notificationBar()->isTimerRunning());

        // A server notice from another thread stays until closed.
        std::unique_ptr<QThread> worker(QThread::create([] { SecurityNotificator::instance()->postUpdate(); }));
        worker->start();
        QVERIFY(worker->wait(5000));
        QTRY_VERIFY(!window->notificationBar()->isTimerRunning());
        QVERIFY(window.shows(window->notificationBar()));
    }

    // A failed save of an editor stays on the bar until the user closes it
    // (it hid itself after five seconds, the edits unsaved); other errors
    // still hide themselves.
    void failedSaveStaysUntilClosed()
    {
        Session window;
        QVERIFY(window.open());
        WidNotificationBar* bar = window->notificationBar();
        UtilSignalManager::instance()->emitError(QStringLiteral("passing"));
        QVERIFY(bar->isTimerRunning());

        auto* editor = new WidProjectEditor;
        window->tabManager()->addFocusedTab(editor, new Init(-1, nullptr));
        editor->nameEdit->setText(QStringLiteral("Shop"));
        QVERIFY(TestDatabase::exec(QStringLiteral("PRAGMA query_only = 1;")));
        editor->save();
        QVERIFY(TestDatabase::exec(QStringLiteral("PRAGMA query_only = 0;")));
        QVERIFY(window.shows(bar));
        QCOMPARE(bar->text(),
                 LocaleMessage::operationFailedBecause(QStringLiteral("attempt to write a readonly database")));
        QVERIFY(!bar->isTimerRunning());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(bar, &leave); // the pointer passing over it
        QVERIFY(!bar->isTimerRunning());
        bar->closeButton()->click();
        QVERIFY(!window.shows(bar));
        // A click anywhere on it closes it too.
        UtilSignalManager::instance()->emitError(QStringLiteral("again"), true);
        QVERIFY(window.shows(bar));
        QTest::mouseClick(bar->textLabel(), Qt::LeftButton);
        QVERIFY(!window.shows(bar));
    }

    // Page and user texts show with their '&' as written, never as an
    // underlined accelerator.
    void ampersandsShowAsWritten()
    {
        Session window;
        const QString tom = QStringLiteral("Tom & Jerry");
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Bookmark (Name, Title, URL, Visible) "
                                                  "VALUES ('%1', '%1', 'http://127.0.0.1/tom', 1)").arg(tom)));
        QVERIFY(TestDatabase::exec(
            QStringLiteral("INSERT INTO OnlineTool (Name, URL, Line) VALUES ('R&D tools', 'http://127.0.0.1/rd', 1)")));
        QVERIFY(window.open());

        // What a menu, tab or button shows: a lone '&' is dropped, "&&" is one '&'.
        const auto shown = [](const QString& text) { return QAction(text, nullptr).iconText().trimmed(); };
        const auto hasEntry = [&](QMenu* menu, const QString& text) {
            for (QAction* action : menu->actions())
                if (shown(action->text()) == text)
                    return true;
            return false;
        };
        QVERIFY(hasEntry(window->bookmarksMenu(), tom));
        // The Online Tools menu is filled after the first paint.
        window->setVisible(true);
        QTRY_VERIFY(hasEntry(window->onlineToolsMenu(), QStringLiteral("R&D tools")));
        QVERIFY(hasEntry(item(topMenu(*window, 3), "Character Encoding")->menu(), QStringLiteral("SE & SW Asian")));

        auto* page = new CommandPage;
        page->pageTitle = tom;
        WidTabManager* tabs = window->tabManager();
        tabs->addFocusedTab(page, new Init);
        QCOMPARE(shown(tabs->tabText(tabs->currentIndex())), tom);
        auto* corner = qobject_cast<QToolButton*>(tabs->cornerWidget(Qt::TopRightCorner));
        QVERIFY(corner && corner->menu());
        QVERIFY(hasEntry(corner->menu(), tom));
        page->changeTitle(QStringLiteral("A & B"));
        QCOMPARE(shown(tabs->tabText(tabs->currentIndex())), QStringLiteral("A & B"));
        QVERIFY(hasEntry(corner->menu(), QStringLiteral("A & B")));

        UtilSignalManager::instance()->emitWarning(QStringLiteral("Saved \"Tom & Jerry\""));
        QCOMPARE(window->notificationBar()->textLabel()->text(), QStringLiteral("Saved \"Tom & Jerry\""));
        QCOMPARE(window->notificationBar()->textLabel()->textFormat(), Qt::PlainText);
    }

    void proxiesFromOptions()
    {
        Session window;
        QVERIFY(window.open());
        QCOMPARE(NetworkAccessManager::instance()->proxy().type(), QNetworkProxy::NoProxy);
        {
            DBOptions options;
            options.setHttpProxy(true);
            options.setHttpAddress(QStringLiteral("127.0.0.1"));
            options.setHttpPort(3128);
            options.setHttpLogin(QStringLiteral("me"));
            QVERIFY2(options.save(), qPrintable(options.errorText()));
        }
        UtilSignalManager::instance()->emitUpdateOptions();
        QCOMPARE(NetworkAccessManager::instance()->proxy().port(), quint16(3128));
        QVERIFY(DBCache::httpProxy());

        // A failed reload keeps the cached options and the program running.
        QVERIFY(TestDatabase::exec(QStringLiteral("ALTER TABLE Options RENAME TO OptionsGone")));
        UtilSignalManager::instance()->emitUpdateOptions();
        QVERIFY(DBCache::httpProxy());
        QVERIFY(window.shows(window->notificationBar()));
        QVERIFY(TestDatabase::exec(QStringLiteral("ALTER TABLE OptionsGone RENAME TO Options")));

        QVERIFY(TestDatabase::exec(QStringLiteral("UPDATE Options SET HttpProxy = 0")));
        UtilSignalManager::instance()->emitUpdateOptions();
        QCOMPARE(NetworkAccessManager::instance()->proxy().type(), QNetworkProxy::NoProxy);
    }
};

TESVAR_TEST(MainWindowTest)
#include "MainWindowTest.moc"
