#include "FreshDatabaseTest.h"
#include "TestRunner.h"

#include "FakePage.h"
#include "LoopbackServer.h"
#include "TestDatabase.h"
#include "widgets/DlgProgress.h"
#include "core/Init.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBCache.h"
#include "data/DBListBase.h"
#include "core/DBSql.h"
#include "exchange/ThreadDBBackup.h"
#include "app/DelegateFind.h"
#include "app/DelegateTools.h"
#include "app/DelegateToolsPlus.h"
#include "shell/WidWebTab.h"
#include "sites/RankAlexa.h"
#include "sites/RankGoogle.h"
#include "shell/WidErrorConsole.h"
#include "shell/WidFind.h"
#include "shell/WidGotoLine.h"
#include "shell/WidReplace.h"
#include "shell/WidTabManager.h"
#include "app/WndMainBase.h"
#include "views/UtilDialog.h"
#include "views/WidOptionsEditor.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

using namespace Vexal;

namespace {

// A page with a selection that records the find requests it gets.
class FindPage : public FakePage
{
    Q_OBJECT
public:
    using FakePage::FakePage;
    QString selectedText() const override { return selection; }
    void find(const QString& text, bool forward, bool matchCase) override
    {
        calls << QStringLiteral("find %1 %2 %3").arg(text).arg(forward).arg(matchCase);
    }
    void findAll(const QString& text, bool) override { calls << QStringLiteral("findAll ") + text; }
    void replace(const QString& text, const QString& with, bool, bool) override
    {
        calls << QStringLiteral("replace %1 %2").arg(text, with);
    }
    void gotoLine(int line) override { calls << QStringLiteral("gotoLine %1").arg(line); }
    QString selection;
};

// The tab manager and the three bars of a main window, shown offscreen (the
// find commands act only on visible bars).
struct Window {
    QWidget widget;
    WidTabManager* tabs;
    WidFind* find;
    WidReplace* replace;
    WidGotoLine* gotoLine;
    Window()
    {
        auto* layout = new QVBoxLayout(&widget);
        tabs = new WidTabManager(&widget);
        tabs->build();
        find = new WidFind(&widget);
        replace = new WidReplace(&widget);
        gotoLine = new WidGotoLine(&widget);
        for (WidFindBase* bar : {static_cast<WidFindBase*>(find), static_cast<WidFindBase*>(replace),
                                 static_cast<WidFindBase*>(gotoLine)}) {
            bar->init();
            bar->hide();
        }
        layout->addWidget(tabs);
        layout->addWidget(find);
        layout->addWidget(replace);
        layout->addWidget(gotoLine);
        widget.resize(600, 400);
        widget.show();
    }
    void attach(DelegateFind& command) const
    {
        command.setFindBar(find);
        command.setReplaceBar(replace);
        command.setGotoLineBar(gotoLine);
    }
};

// A main window layer with only the Private Browsing action.
class StateWindow : public WndMainBase
{
    Q_OBJECT
public:
    StateWindow()
    {
        m_privateBrowsingAction = new QAction(this);
        m_privateBrowsingAction->setCheckable(true);
    }
};

QString lastError()
{
    const QStringList lines = Logger::errors();
    return lines.isEmpty() ? QString() : lines.last();
}

const QString unexpected = QStringLiteral("Unexpected error occurred. See Error Console for more details.");

} // namespace

class DelegateTest : public FreshDatabaseTest
{
    Q_OBJECT

private slots:
    void baseReportsMissingObjects()
    {
        QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);

        QObject plainParent;
        DelegateBase none(nullptr, &plainParent);
        QVERIFY(!none.parentWidget());
        QVERIFY(!none.tabManager());
        QVERIFY(lastError().contains(QLatin1String("Invalid object state. Object: tabManager")));
        // currentTab does not report the manager a second time.
        QVERIFY(!none.currentTab());
        QVERIFY(lastError().contains(QLatin1String("Invalid object state. Object: tab")));
        QCOMPARE(Logger::errors().size(), 2);
        QCOMPARE(errors.count(), 2);
        QCOMPARE(errors.last().at(0).toString(), unexpected);

        // A current widget that is no tab page.
        WidTabManager tabs;
        tabs.QTabWidget::addTab(new QWidget, QString());
        QWidget window;
        DelegateBase command(&tabs, &window);
        QCOMPARE(command.parentWidget(), &window);
        Logger::resetForTests();
        QVERIFY(!command.currentTab());
        QCOMPARE(Logger::errors().size(), 1);
        QVERIFY(lastError().contains(QLatin1String("Invalid object state. Object: tab")));

        // No list: no report at all.
        command.reportListError(nullptr);
        command.reportRecordError(nullptr);
        QCOMPARE(errors.count(), 3);
    }

    void findShowsOneBarWithTheSelection()
    {
        Window window;
        auto* page = new FindPage;
        page->selection = QStringLiteral("word");
        window.tabs->addTab(page, nullptr, false, true);

        DelegateFind command(window.tabs, &window.widget);
        window.attach(command);
        window.replace->show();
        command.showFind();
        QVERIFY(window.find->isVisible());
        QVERIFY(!window.replace->isVisible());
        QCOMPARE(window.find->edit()->text(), QStringLiteral("word"));

        // Find again with nothing selected empties the field.
        page->selection.clear();
        command.showFind();
        QVERIFY(window.find->edit()->text().isEmpty());

        // Find Next with an empty field reaches no page; with text it comes
        // back through the bar's signal.
        QSignalSpy requests(window.find, &WidFind::onFind);
        connect(window.find, &WidFind::onFind, &command, [&](const QString& text, bool forward, bool matchCase) {
            command.find(text, forward, matchCase);
        });
        command.findNext();
        QCOMPARE(requests.count(), 0);
        window.find->edit()->setText(QStringLiteral("abc"));
        window.find->matchCase()->setChecked(true);
        command.findPrevious();
        QCOMPARE(requests.count(), 1);
        QCOMPARE(page->calls.filter(QStringLiteral("find ")), QStringList{"find abc 0 1"});

        // Requests whose bar is hidden are dropped.
        command.showReplace();
        QVERIFY(!window.find->isVisible());
        command.find(QStringLiteral("x"), true, false);
        command.findAll(QStringLiteral("x"), false);
        command.gotoLine(3);
        command.replace(QStringLiteral("a"), QStringLiteral("b"), true, false);
        QCOMPARE(page->calls.filter(QStringLiteral("find")).size(), 1);
        QVERIFY(!page->calls.contains(QStringLiteral("gotoLine 3")));
        QVERIFY(page->calls.contains(QStringLiteral("replace a b")));
        command.showGotoLine();
        command.gotoLine(3);
        QVERIFY(page->calls.contains(QStringLiteral("gotoLine 3")));
        QVERIFY(!window.replace->isVisible());
    }

    void findWithMissingBarsOrTab()
    {
        QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
        Window window;
        window.tabs->QTabWidget::addTab(new QWidget, QString());
        window.tabs->setCurrentIndex(window.tabs->count() - 1);

        DelegateFind bare(window.tabs, &window.widget);
        bare.showFind();
        QVERIFY(lastError().contains(QLatin1String("Object: findBar")));
        bare.findNext();
        bare.replaceAll(QStringLiteral("a"), QStringLiteral("b"), false);
        QVERIFY(lastError().contains(QLatin1String("Object: replaceBar")));
        bare.gotoLine(1);
        QVERIFY(lastError().contains(QLatin1String("Object: gotoLineBar")));
        QCOMPARE(errors.count(), 4);
        QCOMPARE(errors.last().at(0).toString(), unexpected);
    }

    void privateBrowsingStoresAndResyncs()
    {
        QVERIFY(TestDatabase::exec(QStringLiteral("DELETE FROM ") + DBSql::tableOptions()));
        StateWindow window;
        QAction* action = window.privateBrowsingAction();

        {
            DelegateTools command(nullptr, &window);
            QVERIFY(command.setPrivateBrowsing(true));
        }
        QCOMPARE(TestDatabase::rowCount(DBSql::tableOptions()), 1);
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT SaveHistory FROM ") + DBSql::tableOptions()).toInt(), 0);
        QVERIFY(!DBCache::saveHistory());

        // A failed save keeps the cache and puts the check back.
        QVERIFY(TestDatabase::exec(QStringLiteral("CREATE TRIGGER NoSave BEFORE UPDATE ON ") + DBSql::tableOptions() +
                                   QStringLiteral(" BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
        action->setChecked(false); // the user's toggle
        {
            DelegateTools command(nullptr, &window);
            QVERIFY(!command.setPrivateBrowsing(false));
        }
        QVERIFY(!DBCache::saveHistory());
        QVERIFY(action->isChecked());
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toString(), unexpected);
        QVERIFY(lastError().contains(QLatin1String("refused")));
    }

    void toolsOpenUniqueTabs()
    {
        QVERIFY(TestDatabase::exec(QStringLiteral("DELETE FROM ") + DBSql::tableOptions()));
        QVERIFY(TestDatabase::exec(QStringLiteral("DELETE FROM ") + DBSql::tableUrlShortcut()));
        Window window;
        const int start = window.tabs->count();
        for (int i = 0; i < 2; ++i) {
            DelegateTools command(window.tabs, &window.widget);
            command.openErrorConsole();
            command.openNotificationConsole();
            command.openDatabase();
            DelegateToolsPlus(window.tabs, &window.widget).openRankJournal();
            command.openOptions();
        }
        QCOMPARE(window.tabs->count(), start + 5);
        QCOMPARE(window.tabs->findTabOfClass(QStringLiteral("Vexal::WidErrorConsole")) >= 0, true);
        QVERIFY(dynamic_cast<WidOptionsEditor*>(window.tabs->currentWidget()));
        QCOMPARE(TestDatabase::rowCount(DBSql::tableOptions()), 1);
        QCOMPARE(TestDatabase::rowCount(DBSql::tableUrlShortcut()), 7);
        auto* editor = dynamic_cast<BaseTab*>(window.tabs->currentWidget());
        QCOMPARE(editor->init()->id(),
                 TestDatabase::value(QStringLiteral("SELECT ID FROM ") + DBSql::tableOptions()).toInt());
    }

    void maintenanceJobRunsBehindTheProgressDialog()
    {
        QString jobClass;
        bool finished = false;
        UtilDialog::setRunner([&](QDialog* dialog) {
            auto* progress = qobject_cast<DlgProgress*>(dialog);
            if (!progress || !progress->job())
                return int(QDialog::Rejected);
            jobClass = QString::fromLatin1(progress->job()->metaObject()->className());
            QSignalSpy done(progress->job(), &QThread::finished);
            progress->slotStart();
            finished = done.wait(30000) || progress->job()->isFinished();
            QCoreApplication::processEvents();
            progress->slotClose();
            return progress->result();
        });
        DelegateTools command(nullptr, nullptr);
        command.backupDatabase();
        QCOMPARE(jobClass, QStringLiteral("Vexal::ThreadDBBackup"));
        QVERIFY(finished);
        QVERIFY(Logger::errors().isEmpty());
    }

    void rankIsStoredOncePerHostAndDay()
    {
        const QDate day(2026, 3, 1);
        DelegateToolsPlus command(nullptr, nullptr);
        QVERIFY(command.storeRank(QStringLiteral("a.example"), day, QStringLiteral("4"), QStringLiteral("900")));
        QVERIFY(command.storeRank(QStringLiteral("a.example"), day, QStringLiteral("5"), QStringLiteral("Loading...")));
        QVERIFY(command.storeRank(QStringLiteral("a.example"), day.addDays(1), QStringLiteral("6"), QString()));
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("Rank")), 2);
        const QString first = QStringLiteral("SELECT %1 FROM Rank WHERE CreateDate = '2026-03-01'");
        QCOMPARE(TestDatabase::value(first.arg(QStringLiteral("Google"))).toInt(), 5);
        QCOMPARE(TestDatabase::value(first.arg(QStringLiteral("Alexa"))).toInt(), 900);
        QCOMPARE(TestDatabase::value(first.arg(QStringLiteral("Name"))).toString(), QStringLiteral("Rank"));
    }

    void pageRankNeedsAWebTabWithAnAddress()
    {
        LoopbackServer server;
        QVERIFY(server.start());
        server.setTitledPage(QStringLiteral("/p"), QStringLiteral("P"));
        RankGoogle::setServiceUrl(server.url(QStringLiteral("/google")));
        RankAlexa::setServiceUrl(server.url(QStringLiteral("/alexa")));
        keepNoHistory();
        int shown = 0;
        UtilDialog::setRunner([&](QDialog*) {
            ++shown;
            return int(QDialog::Accepted);
        });
        QSignalSpy warnings(UtilSignalManager::instance(), &UtilSignalManager::onWarning);

        Window window;
        window.tabs->addTab(new FakePage, nullptr, false, true);
        DelegateToolsPlus command(window.tabs, &window.widget);
        command.checkPageRank();
        QCOMPARE(warnings.count(), 1);

        auto* tab = new WidWebTab;
        window.tabs->addTab(tab, nullptr, false, true);
        command.checkPageRank(); // no address yet
        QCOMPARE(shown, 0);

        tab->load(server.url(QStringLiteral("/p")));
        QTRY_COMPARE(tab->title(), QStringLiteral("P"));
        command.checkPageRank();
        QCOMPARE(shown, 1);
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT Host FROM Rank")).toString(), QStringLiteral("127.0.0.1"));
        RankGoogle::setServiceUrl(QUrl());
        RankAlexa::setServiceUrl(QUrl());
    }
};

TESVAR_TEST(DelegateTest)
#include "DelegateTest.moc"
