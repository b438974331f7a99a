#include "TestRows.h"
#include "TestRunner.h"

#include "FakePage.h"
#include "ScriptedPrompt.h"
#include "ShownTabs.h"
#include "SpyTexts.h"
#include "core/Init.h"
#include "core/UtilSignalManager.h"
#include "data/DBCache.h"
#include "data/DBOptions.h"
#include "shell/WidTabManager.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QTabBar>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace Vexal;

namespace {

// The empty web tab of these tests.
class WebPage : public FakePage
{
    Q_OBJECT
public:
    explicit WebPage(QWidget* parent = nullptr)
        : FakePage(parent)
    {
        webPage = true;
    }
};

} // namespace

class TabManagerTest : public FakePageTest
{
    Q_OBJECT

    using Tabs = ShownTabs;

public:
    TabManagerTest()
        : FakePageTest([](QWidget* parent) { return new WebPage(parent); })
    {
    }

private slots:
    void addCallsThePageInOrder()
    {
        Tabs tabs;
        QCOMPARE(tabs.widget.count(), 1);
        QVERIFY(dynamic_cast<WebPage*>(tabs.widget.widget(0)));

        QObject owner;
        QPointer<Init> init = new Init(42, &owner);
        auto* page = new FakePage;
        QCOMPARE(tabs.widget.addTab(page, init, false, false), static_cast<BaseTab*>(page));
        QCOMPARE(page->calls, (QStringList{"setTabManager", "prepare", "setInit", "open"}));
        QCOMPARE(page->tabManager(), &tabs.widget);
        QCOMPARE(page->init(), init.data());
        QCOMPARE(init->parent(), static_cast<QObject*>(page));
        QCOMPARE(tabs.widget.currentIndex(), 0);

        // Focus makes the new tab current, and the hub hears of the change.
        QSignalSpy status(UtilSignalManager::instance(), &UtilSignalManager::onUpdateTabStatus);
        auto* focused = tabs.add(new FakePage, true);
        QCOMPARE(status.count(), 1);
        QCOMPARE(tabs.widget.currentWidget(), static_cast<QWidget*>(focused));
        QCOMPARE(tabs.list()->actions().size(), 3);
    }

    // A page title is cut to fit the tab (and padded to its width) and the
    // tab list; "&" shows as written in both.
    void tabTextAndListEntryOfATitle_data()
    {
        addColumns<QString, QString, QString>("title", "tabText", "entryText");

        const QString forty = QStringLiteral("0123456789012345678901234567890123456789");
        const auto padded = [](const QString& text) { return text.leftJustified(35, QLatin1Char(' ')); };
        QTest::newRow("long") << forty << forty.left(32) + "..." << forty.left(32) + "...";
        QTest::newRow("33 characters: cut") << forty.left(33) << forty.left(32) + "..." << forty.left(32) + "...";
        QTest::newRow("32 characters: whole") << forty.left(32) << padded(forty.left(32)) << forty.left(32);
        QTest::newRow("short") << QStringLiteral("Short") << padded("Short") << "Short";
        QTest::newRow("none") << QStringLiteral("") << padded("Untitled") << "Untitled";
        // Padded by what shows: "&&" is one character on the tab.
        QTest::newRow("ampersand") << QStringLiteral("A & B") << padded("A & B").replace("&", "&&") << "A && B";
    }

    void tabTextAndListEntryOfATitle()
    {
        QFETCH(QString, title);
        QFETCH(QString, tabText);
        QFETCH(QString, entryText);

        Tabs tabs;
        auto* page = tabs.add(new FakePage);
        page->changeTitle(title);
        QCOMPARE(tabs.widget.tabText(1), tabText);
        QCOMPARE(tabs.list()->actions().size(), 2);
        QAction* entry = tabs.list()->actions().at(1);
        QCOMPARE(entry->text(), entryText);
        QCOMPARE(entry->data().toString(), page->id());
    }

    void limitAndReuse()
    {
        ScriptedPrompt prompt;
        Tabs tabs;
        QSignalSpy warnings(UtilSignalManager::instance(), &UtilSignalManager::onWarning);
        auto* first = tabs.add(new FakePage);
        for (int i = 0; i < 8; ++i)
            tabs.add(new FakePage);
        QCOMPARE(tabs.widget.count(), 10);

        QObject owner;
        QPointer<Init> init = new Init(1, &owner);
        auto refusedPage = std::make_unique<FakePage>();
        QPointer<FakePage> refused = refusedPage.get();
        QVERIFY(!tabs.widget.addTab(std::move(refusedPage), std::unique_ptr<Init>(init.data()), false, true));
        QVERIFY(refused.isNull());
        QVERIFY(init.isNull());
        QCOMPARE(spyTexts(warnings),
                 QStringList{"You've reached the limit of opened tabs. See \"Options\" for more details"});
        QCOMPARE(tabs.widget.count(), 10);

        // An open page of the class is focused even at the limit.
        QPointer<FakePage> duplicate = new FakePage;
        QCOMPARE(tabs.widget.addUniqueTab(duplicate, nullptr), static_cast<BaseTab*>(first));
        QVERIFY(duplicate.isNull());
        QCOMPARE(tabs.widget.currentWidget(), static_cast<QWidget*>(first));
        QCOMPARE(warnings.count(), 1);

        QCOMPARE(tabs.widget.findTabOfClass(QStringLiteral("FakePage")), 1);
        QCOMPARE(tabs.widget.findTabOfClass(QStringLiteral("OtherPage")), -1);

        // A class that is not open yet is refused.
        QPointer<OtherPage> other = new OtherPage;
        QVERIFY(!tabs.widget.addUniqueTab(other, nullptr));
        QVERIFY(other.isNull());

        tabs.widget.slotContextNewTab();
        tabs.rightClick(1);
        tabs.widget.slotContextCloneTab(); // not a web page: nothing
        tabs.rightClick(0);
        tabs.widget.slotContextCloneTab();
        QCOMPARE(tabs.widget.count(), 10);
        QCOMPARE(warnings.count(), 4);
        QCOMPARE(tabs.list()->actions().size(), 10);
    }

    void closeRules()
    {
        ScriptedPrompt prompt;
        Tabs tabs;
        QSignalSpy warnings(UtilSignalManager::instance(), &UtilSignalManager::onWarning);

        // The last tab never closes, not even silently.
        QVERIFY(!tabs.widget.closeTab(0, true));
        tabs.widget.slotCloseTab(0);
        QCOMPARE(spyTexts(warnings), (QStringList{"Sorry, I can't close this tab", "Sorry, I can't close this tab"}));
        warnings.clear();

        auto* locked = tabs.add(new FakePage);
        locked->locked = true;
        QVERIFY(!tabs.widget.closeTab(1, true));
        QCOMPARE(warnings.count(), 0);
        QVERIFY(!tabs.widget.closeTab(1, false));
        QCOMPARE(spyTexts(warnings), QStringList{"Sorry, I can't close locked tab"});

        QPointer<FakePage> modified = tabs.add(new FakePage);
        modified->setModified(true);
        QCOMPARE(tabs.widget.countModified(), 1);
        QVERIFY(!tabs.widget.closeTab(2, true));
        QVERIFY(prompt.messages.isEmpty());
        prompt.answers.enqueue(QMessageBox::No);
        QVERIFY(!tabs.widget.closeTab(2, false));
        QCOMPARE(prompt.messages.size(), 1);
        QCOMPARE(prompt.messages.at(0).text, QStringLiteral("You will lose all unsaved data. Should I continue?"));
        QCOMPARE(tabs.widget.count(), 3);

        prompt.answers.enqueue(QMessageBox::Yes);
        const QString id = modified->id();
        QVERIFY(tabs.widget.closeTab(2, false));
        QCOMPARE(tabs.widget.count(), 2);
        QVERIFY(modified->calls.contains(QStringLiteral("aboutToClose")));
        for (QAction* entry : tabs.list()->actions())
            QVERIFY(entry->data().toString() != id);
        QCOMPARE(tabs.list()->actions().size(), 2);
        // Deleted later, never while its own code may still run.
        QVERIFY(modified);
        QTRY_VERIFY_WITH_TIMEOUT(modified.isNull(), 2000);
        QCOMPARE(tabs.widget.countModified(), 0);
    }

    void closeOtherTabsKeepsLockedAndModified()
    {
        ScriptedPrompt prompt;
        Tabs tabs;
        auto* locked = tabs.add(new FakePage);
        locked->locked = true;
        auto* modified = tabs.add(new FakePage);
        modified->setModified(true);
        QPointer<FakePage> plain = tabs.add(new FakePage);
        auto* kept = tabs.add(new FakePage);
        tabs.add(new FakePage);
        QCOMPARE(tabs.widget.count(), 6);

        tabs.rightClick(4);
        prompt.answers.enqueue(QMessageBox::No);
        tabs.widget.slotContextCloseOtherTabs();
        QCOMPARE(tabs.widget.count(), 6);

        prompt.answers.enqueue(QMessageBox::Yes);
        tabs.widget.slotContextCloseOtherTabs();
        QCOMPARE(prompt.messages.size(), 2);
        QCOMPARE(prompt.messages.at(1).text, QStringLiteral("I am going to close other tabs. Should I continue?"));
        QCOMPARE(tabs.widget.count(), 3);
        QCOMPARE(tabs.widget.widget(0), static_cast<QWidget*>(locked));
        QCOMPARE(tabs.widget.widget(1), static_cast<QWidget*>(modified));
        QCOMPARE(tabs.widget.widget(2), static_cast<QWidget*>(kept));
        QCOMPARE(tabs.list()->actions().size(), 3);
        QTRY_VERIFY_WITH_TIMEOUT(plain.isNull(), 2000);

        // Without the warning option nothing is asked.
        DBOptions options;
        options.setWarnTabsClosing(false);
        DBCache::setOptions(&options);
        tabs.add(new FakePage);
        tabs.rightClick(2);
        tabs.widget.slotContextCloseOtherTabs();
        QCOMPARE(prompt.messages.size(), 2);
        QCOMPARE(tabs.widget.count(), 3);
    }

    void listEntryFocusesAfterMove()
    {
        Tabs tabs;
        auto* a = tabs.add(new FakePage);
        auto* b = tabs.add(new FakePage);
        tabs.add(new FakePage);
        tabs.widget.tabBar()->moveTab(1, 3);
        QCOMPARE(tabs.widget.widget(3), static_cast<QWidget*>(a));
        // The list entry of a page, found by its id, focuses that page.
        for (FakePage* page : {a, b}) {
            for (QAction* entry : tabs.list()->actions()) {
                if (entry->data().toString() == page->id())
                    entry->trigger();
            }
            QCOMPARE(tabs.widget.currentWidget(), static_cast<QWidget*>(page));
        }
    }

    void contextMenuFollowsTheClick()
    {
        Tabs tabs;
        auto* page = tabs.add(new FakePage);
        page->locked = true;
        auto visibleItems = [&tabs] {
            QStringList texts;
            for (QAction* action : tabs.widget.actions())
                if (action->isVisible() && !action->isSeparator())
                    texts << action->text();
            return texts;
        };

        tabs.rightClick(1);
        QVERIFY(visibleItems().contains(QStringLiteral("Close other Tabs")));
        QVERIFY(tabs.action(QStringLiteral("Locked Tab"))->isChecked());
        QVERIFY(!tabs.action(QStringLiteral("Ninja Tab"))->isChecked());

        // The context items act on the page under the click.
        tabs.action(QStringLiteral("Ninja Tab"))->setChecked(true);
        tabs.widget.slotContextNinjaTab();
        QVERIFY(page->ninja);
        tabs.widget.slotContextReload();
        QVERIFY(page->calls.contains(QStringLiteral("reload")));

        tabs.rightClick(0);
        QVERIFY(!tabs.action(QStringLiteral("Locked Tab"))->isChecked());

        QTabBar* bar = tabs.widget.tabBar();
        const QPoint empty(bar->width() - 3, bar->height() / 2);
        QVERIFY(!bar->tabRect(0).contains(empty) && !bar->tabRect(1).contains(empty));
        QTest::mousePress(bar, Qt::RightButton, {}, empty);
        QCOMPARE(visibleItems(), (QStringList{"Menu Bar", "Status Bar"}));

        // Close Tab after a click that hit no tab does nothing.
        QSignalSpy warnings(UtilSignalManager::instance(), &UtilSignalManager::onWarning);
        tabs.widget.slotContextCloseTab();
        QCOMPARE(tabs.widget.count(), 2);
        QCOMPARE(warnings.count(), 0);
    }

    void bookmarksAndCloneFromTheContextMenu()
    {
        ScriptedPrompt prompt;
        Tabs tabs;
        UtilSignalManager* hub = UtilSignalManager::instance();
        QSignalSpy warnings(hub, &UtilSignalManager::onWarning);
        QSignalSpy quick(hub, &UtilSignalManager::onQuickBookmark);
        QSignalSpy full(hub, QOverload<const QUrl&, const QString&, const QPixmap&>::of(&UtilSignalManager::onBookmarkTab));
        QSignalSpy all(hub, &UtilSignalManager::onBookmarkAllTabs);
        tabs.add(new FakePage);

        tabs.rightClick(1);
        tabs.widget.slotContextQuickBookmarkTab();
        tabs.widget.slotContextBookmarkTab();
        QCOMPARE(spyTexts(warnings), (QStringList{"This tool works on web tabs only", "This tool works on web tabs only"}));
        QCOMPARE(quick.count() + full.count(), 0);

        auto* web = static_cast<WebPage*>(tabs.widget.widget(0));
        web->pageTitle = QStringLiteral("Home");
        tabs.rightClick(0);
        tabs.widget.slotContextQuickBookmarkTab();
        tabs.widget.slotContextBookmarkTab();
        tabs.widget.slotContextBookmarkAllTabs();
        QCOMPARE(quick.count(), 1);
        QCOMPARE(quick.at(0).at(1).toString(), QStringLiteral("Home"));
        QCOMPARE(full.count(), 1);
        QCOMPARE(all.count(), 1);

        prompt.answers.enqueue(QMessageBox::Yes);
        tabs.widget.slotContextReloadAllTabs();
        QCOMPARE(prompt.messages.at(0).text,
                 QStringLiteral("The application may hover on a large number of tabs. Should I continue?"));
        QVERIFY(web->calls.contains(QStringLiteral("reload")));
    }

    void missingPagesAreReported()
    {
        Tabs tabs;
        QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
        QVERIFY(!tabs.widget.addTab(nullptr, nullptr, false, true));
        struct Bare : BaseTab {
        } bare;
        QVERIFY(!tabs.widget.addTab(&bare, nullptr, false, true));
        QCOMPARE(errors.count(), 2);
        QCOMPARE(errors.at(0).at(0).toString(),
                 QStringLiteral("Unexpected error occurred. See Error Console for more details."));

        // A plain widget in a tab is no page.
        tabs.widget.insertTab(1, new QWidget, QStringLiteral("x"));
        QVERIFY(!tabs.widget.closeTab(1, false));
        QCOMPARE(errors.count(), 3);
    }

    void stateChangesOfClosedPagesAreIgnored()
    {
        Tabs tabs;
        QPointer<FakePage> page = tabs.add(new FakePage);
        tabs.add(new FakePage);
        QVERIFY(tabs.widget.closeTab(1, true));
        page->changeTitle(QStringLiteral("after close"));
        QCOMPARE(tabs.widget.count(), 2);
        for (int i = 0; i < tabs.widget.count(); ++i)
            QVERIFY(!tabs.widget.tabText(i).startsWith(QStringLiteral("after close")));
        QTRY_VERIFY_WITH_TIMEOUT(page.isNull(), 2000);
    }

    void setInitAdoptsAndReplaces()
    {
        FakePage page;
        BaseTab& tab = page;

        QPointer<Init> first = tab.init();
        tab.setInit(nullptr);
        QVERIFY(first.isNull());
        QPointer<Init> fresh = tab.init();
        QCOMPARE(fresh->id(), -1);

        // Handing in the Init already held changes nothing.
        tab.setInit(fresh);
        QVERIFY(fresh);
        QCOMPARE(tab.init(), fresh.data());

        QObject owner;
        QPointer<Init> given = new Init(7, &owner);
        tab.setInit(given);
        QVERIFY(fresh.isNull());
        QCOMPARE(tab.init()->id(), 7);

        // An object that is no Init counts as none; it is not the page's.
        QObject stranger;
        tab.setInit(&stranger);
        QVERIFY(given.isNull());
        QCOMPARE(tab.init()->id(), -1);
        QCOMPARE(stranger.parent(), static_cast<QObject*>(nullptr));
    }
};

TESVAR_TEST(TabManagerTest)
#include "TabManagerTest.moc"
