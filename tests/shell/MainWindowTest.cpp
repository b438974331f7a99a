#include "TestRows.h"
#include "TestRunner.h"

#include "EndlessJob.h"
#include "FakePage.h"
#include "ProgramServer.h"
#include "ScriptedPrompt.h"
#include "TestDatabase.h"
#include "core/Init.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBCache.h"
#include "data/DBOptions.h"
#include "exchange/RecordKinds.h"
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
#include "sites/SecurityNotificator.h"
#include "core/UtilPrompt.h"
#include "texts/LocaleBrowser.h"
#include "texts/LocaleMessage.h"
#include "views/UtilDialog.h"
#include "widgets/DlgProgress.h"

#include <QAction>
#include <QCommandLinkButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QMenu>
#include <QMenuBar>
#include <QNetworkProxy>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QWebView>
#include <QtTest>

#include <csignal>
#include <functional>
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
    void undo() override { calls << QStringLiteral("undo"); }
    void paste() override { calls << QStringLiteral("paste"); }
    void remove() override { calls << QStringLiteral("remove"); }
    void back() override { calls << QStringLiteral("back"); }
    void zoomIn() override { calls << QStringLiteral("zoomIn"); }
    bool isModified() const override { return modified; }
    void find(const QString& text, bool forward, bool) override
    {
        calls << QStringLiteral("find %1 %2").arg(text).arg(forward);
    }
    bool modified = false;
};

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
    // once it has been painted.
    void maximizedWindowShownOnceLoaded()
    {
        TestDatabase db;
        ScriptedPrompt prompt;
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
        QCOMPARE(window.onlineToolsMenu()->actions().last()->data().toString(), QStringLiteral("http://127.0.0.1/tool"));
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

    // In every field of the window's bars the field keeps its editing keys
    // (Select All of the field's text here), and the window's Page Source
    // key wins over the field's own binding of it (delete the line).
    void pageSourceKeyInEveryBarField_data()
    {
        QTest::addColumn<QString>("field");
        for (const char* field : {"location", "search", "find", "replace", "go to line"})
            QTest::newRow(field) << field;
    }

    void pageSourceKeyInEveryBarField()
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
        QTest::keyClick(target, Qt::Key_End);
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(edit->selectedText(), typed);
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
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            QSKIP("Running under X11 already.");
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            QSKIP("Xvfb is missing (tools/deps.sh installs it).");
        // The server picks a free display itself and names it on its output.
        QProcess server;
        server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                            QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                            QStringLiteral("1280x1024x24")});
        QVERIFY(server.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(server.canReadLine() || server.state() == QProcess::NotRunning, 30000);
        const QString display = QString::fromLatin1(server.readLine().trimmed());
        QVERIFY2(!display.isEmpty(), server.readAllStandardError().constData());

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + display);
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("-class"), QStringLiteral("MainWindowTest"),
                     QStringLiteral("pageSourceKeyInEveryBarField"), QStringLiteral("newTabTakesTheTypedAddress")});
        const bool finished = child.waitForFinished(120000);
        const QByteArray output = child.readAll();
        server.terminate();
        server.waitForFinished(10000);
        QVERIFY(finished);
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, output.constData());
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
    // window closes as Exit does, and every event loop ends.
    void terminationSignalEndsWhatTheWindowWaitsFor_data()
    {
        addColumns<QString, int>("waiting", "signal");
        QTest::newRow("question") << "question" << int(SIGTERM);
        QTest::newRow("dialog") << "dialog" << int(SIGINT);
        QTest::newRow("job") << "job" << int(SIGTERM);
    }

    void terminationSignalEndsWhatTheWindowWaitsFor()
    {
        QFETCH(QString, waiting);
        QFETCH(int, signal);
        Session window;
        QVERIFY(window.open());
        window->setVisible(true);
        UtilExitSignals exitSignals;
        QVERIFY(exitSignals.isWatching());
        exitSignals.setWindow(window.get());
        // Real boxes and dialogs, with their own event loops.
        UtilPrompt::setHook(nullptr);
        UtilDialog::setRunner({});

        int answer = -1;
        int later = -1;
        QPointer<EndlessJob> job;
        QTimer::singleShot(0, window.get(), [&] {
            // The signal comes while the box, dialog or job is waited for.
            QTimer raiser;
            connect(&raiser, &QTimer::timeout, [&] {
                if (!job || job->working.loadAcquire()) {
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
                    if (waiting == QLatin1String("job")) {
                        job = new EndlessJob(&dialog);
                        QTimer::singleShot(0, &dialog, &DlgProgress::slotStart);
                    }
                    dialog.build(job);
                    answer = UtilDialog::exec(&dialog);
                }
                // Gone with the dialog, which waited for it to end.
                QVERIFY(!job);
            }
            later = UtilPrompt::question(window.get(), QStringLiteral("Tesvar"), QStringLiteral("And now?"));
        });
        // Should nothing end, the loops end here and the test fails.
        QTimer::singleShot(30000, [] { QCoreApplication::exit(99); });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(answer, waiting == QLatin1String("question") ? int(QMessageBox::No) : int(QDialog::Rejected));
        QCOMPARE(later, int(QMessageBox::No));
        QVERIFY(!window->isVisible());
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT COUNT(*) FROM GUI")).toInt(), 1);
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT COUNT(*) FROM Project WHERE Name = 'Half-written'")).toInt(), 0);
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

    // Each menu item runs its own command: the window names the item's
    // command to the logger (an export item's is Export, and it asks for a
    // folder) unless a page the command reached named its own step since, and
    // no command breaks or waits on a box. Each slot that names a command
    // runs the same command as its item.
    void everyMenuItemRunsItsCommand()
    {
        Session window;
        ScriptedPrompt& prompt = window.prompt;
        UtilDialog::setRunner([](QDialog*) { return int(QDialog::Rejected); });
        QVERIFY(window.open());
        // The window's notices would name themselves over the command.
        UtilSignalManager::instance()->disconnect(window.get());
        // Items that end the walk or show one of Qt's own boxes.
        const QStringList skipped = {"Close Window", "Exit", "About Qt", "About"};
        QStringList wrong;
        int named = 0;
        std::function<void(QMenu*, bool)> walk = [&](QMenu* menu, bool exporting) {
            for (QAction* action : menu->actions()) {
                const QString text = action->text().replace(QStringLiteral("&&"), QStringLiteral("&"));
                if (action->menu()) {
                    walk(action->menu(), exporting || action->menu()->title() == QStringLiteral("Export"));
                    continue;
                }
                if (action->isSeparator() || !action->isEnabled() || skipped.contains(text))
                    continue;
                const QString expected = exporting ? QStringLiteral("Export")
                                         : text == QStringLiteral("Quick Login") ? QStringLiteral("Login")
                                                                                 : text;
                const int folders = prompt.folders.size();
                Logger::setContext(QString(), QString());
                action->trigger();
                if (Logger::contextClassName().isEmpty())
                    wrong << text + QStringLiteral(" ran nothing");
                else if (Logger::contextClassName() == QStringLiteral("Vexal::WndMain")
                         && Logger::contextAction() != expected)
                    wrong << text + QStringLiteral(" ran ") + Logger::contextAction();
                else
                    named += Logger::contextAction() == expected;
                if (exporting && prompt.folders.size() != folders + 1)
                    wrong << text + QStringLiteral(" asked for no folder");
            }
        };
        for (QAction* top : window->menuBar()->actions())
            walk(top->menu(), false);
        for (int place = int(MenuPlace::None); place <= int(MenuPlace::Help); ++place) {
            for (const CommandEntry* entry : commandsAt(MenuPlace(place))) {
                if (!entry->slot || !entry->run || skipped.contains(entry->text()))
                    continue;
                Logger::setContext(QString(), QString());
                (window.get()->*entry->slot)();
                if (Logger::contextClassName() == QStringLiteral("Vexal::WndMain")
                    && Logger::contextAction() != entry->actionText())
                    wrong << entry->text() + QStringLiteral(" slot ran ") + Logger::contextAction();
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral(", "))));
        QVERIFY2(named > 90, qPrintable(QString::number(named)));
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
        QCOMPARE(window->notificationBar()->button()->text(), LocaleMessage::newUpdates());
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
        QCOMPARE(shown(window->notificationBar()->button()->text()), QStringLiteral("Saved \"Tom & Jerry\""));
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
