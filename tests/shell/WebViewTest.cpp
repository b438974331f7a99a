#include "TestRunner.h"

#include "ScriptedPrompt.h"
#include "TestDatabase.h"
#include "WebPageTest.h"
#include "core/UtilSignalManager.h"
#include "data/DBCache.h"
#include "data/DBOptions.h"
#include "core/DBSql.h"
#include "shell/BaseTab.h"
#include "shell/WidTabManager.h"
#include "shell/WidWebView.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QImageReader>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QWebElement>
#include <QWebFrame>
#include <QtTest>

using namespace Vexal;

namespace {

// Exposes what the engine and the context menu reach.
class ProbeView : public WidWebView
{
public:
    using WidWebView::createWindow;

    ProbeView()
    {
        build();
        resize(800, 600);
    }

    void hit(const QString& selector)
    {
        const QPoint at = page()->mainFrame()->findFirstElement(selector).geometry().center();
        m_hitTest = page()->mainFrame()->hitTestContent(at);
    }
    QWebHitTestResult lastHit() const { return m_hitTest; }
};

// A tab page that holds a web view, for the tab-manager side of the view.
class ViewPage : public QWidget, public BaseTab
{
    Q_OBJECT
public:
    explicit ViewPage(QWidget* parent = nullptr)
        : QWidget(parent)
        , view(new WidWebView(this))
    {
        view->build();
    }
    bool isWebPage() const override { return true; }
    WidWebView* view;
};

bool load(WidWebView& view, const QUrl& url)
{
    QSignalSpy finished(&view, &QWebView::loadFinished);
    view.setUrl(url);
    view.load(url);
    if (!finished.wait(5000))
        return false;
    return finished.last().at(0).toBool();
}

} // namespace

class WebViewTest : public WebPageTest
{
    Q_OBJECT

private slots:
    // Locked and ninja exclude each other; storing an address neither loads
    // nor signals, a reload loads it.
    void flagsAndStoredAddress()
    {
        WidWebView view;
        view.build();
        QSignalSpy state(&view, &WidWebView::onStateChanged);
        view.setNinja(true);
        QCOMPARE(view.title(), QStringLiteral("Google"));
        view.setLocked(true);
        QVERIFY(!view.isNinja());
        view.setNinja(true);
        QVERIFY(!view.isLocked());
        QCOMPARE(state.count(), 3);
        m_server.clearRequests();
        view.setUrl(m_server.url(QStringLiteral("/untitled")));
        QCOMPARE(state.count(), 3);
        QCOMPARE(view.state(), 0);
        QVERIFY(m_server.requests().isEmpty());

        // Reload loads what was stored.
        QSignalSpy finished(&view, &QWebView::loadFinished);
        view.slotReload();
        QVERIFY(finished.wait(5000));
        QCOMPARE(m_server.requestsFor(QStringLiteral("/untitled")).size(), 1);
    }

    void loadedPageWritesOneHistoryRow()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        DBCache::reset();
        WidWebView view;
        view.build();
        QSignalSpy state(&view, &WidWebView::onStateChanged);
        QVERIFY(load(view, m_server.url(QStringLiteral("/page"))));
        QCOMPARE(view.state(), 2);
        QCOMPARE(view.title(), QStringLiteral("Loop Page"));
        QVERIFY(state.count() >= 3);
        QCOMPARE(TestDatabase::rowCount(DBSql::tableHistory()), 1);
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT Name || '|' || Title || '|' || URL || '|' || "
                                                    "substr(CreateDate, 1, 10) FROM History")).toString(),
                 QStringLiteral("Loop Page|Loop Page|%1|%2")
                     .arg(m_server.url(QStringLiteral("/page")).toString(),
                          QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));

        // A page without a title shows its address; a locked view still writes.
        view.setLocked(true);
        QVERIFY(load(view, m_server.url(QStringLiteral("/untitled"))));
        QCOMPARE(view.stateTitle(), m_server.url(QStringLiteral("/untitled")).toString());
        QCOMPARE(TestDatabase::rowCount(DBSql::tableHistory()), 2);
    }

    void noHistoryWhenOffNinjaOrFailed()
    {
        TestDatabase db;
        DBCache::reset();
        WidWebView view;
        view.build();

        view.setNinja(true);
        QVERIFY(load(view, m_server.url(QStringLiteral("/page"))));
        QCOMPARE(view.title(), QStringLiteral("Google"));
        QCOMPARE(view.stateTitle(), QStringLiteral("Loop Page"));
        view.setNinja(false);

        keepNoHistory();
        QVERIFY(load(view, m_server.url(QStringLiteral("/page"))));
        DBCache::reset();

        QVERIFY(!load(view, QUrl(QStringLiteral("http://127.0.0.1:1/"))));
        QCOMPARE(view.state(), 3);
        QCOMPARE(TestDatabase::rowCount(DBSql::tableHistory()), 0);
    }

    void menuFollowsTheHit()
    {
        ProbeView view;
        QVERIFY(load(view, m_server.url(QStringLiteral("/page"))));

        view.hit(QStringLiteral("#link"));
        QCOMPARE(view.menuFor(view.lastHit()), view.linkMenu());
        view.hit(QStringLiteral("#image"));
        QCOMPARE(view.menuFor(view.lastHit()), view.imageMenu());
        view.hit(QStringLiteral("#linked img"));
        QCOMPARE(view.menuFor(view.lastHit()), view.linkImageMenu());
        view.hit(QStringLiteral("#text"));
        QCOMPARE(view.menuFor(view.lastHit()), view.pageMenu());
        view.triggerPageAction(QWebPage::SelectAll);
        view.hit(QStringLiteral("#text"));
        QCOMPARE(view.menuFor(view.lastHit()), view.textMenu());

        // Nothing saves a link yet: its item stays off in both link menus.
        for (QMenu* menu : {view.linkMenu(), view.linkImageMenu()})
            for (QAction* action : menu->actions())
                QCOMPARE(action->isEnabled(), action->text() != QStringLiteral("Save Link As"));
    }

    void linkAndPageCommands()
    {
        ProbeView view;
        QVERIFY(load(view, m_server.url(QStringLiteral("/page"))));
        UtilSignalManager* hub = UtilSignalManager::instance();
        QSignalSpy loads(hub, &UtilSignalManager::onLoad);
        QSignalSpy bookmarks(hub, QOverload<const QUrl&, const QString&, const QPixmap&>::of(&UtilSignalManager::onBookmarkTab));
        QSignalSpy sources(hub, &UtilSignalManager::onPageSource);

        view.hit(QStringLiteral("#link"));
        view.slotOpenLink();
        QCOMPARE(loads.count(), 1);
        QCOMPARE(loads.at(0).at(0).toUrl(), m_server.url(QStringLiteral("/target")));
        QCOMPARE(loads.at(0).at(1).toBool(), true);
        QCOMPARE(loads.at(0).at(2).toBool(), DBCache::focusNewTab());

        view.slotBookmarkLink();
        QCOMPARE(bookmarks.at(0).at(1).toString(), QStringLiteral("Target link"));
        view.slotCopyLink();
        QCOMPARE(QApplication::clipboard()->text(), m_server.url(QStringLiteral("/target")).toString());

        view.slotPageSource();
        QCOMPARE(sources.count(), 1);
        QCOMPARE(sources.at(0).at(0).toString(), QStringLiteral("Loop Page"));
        QVERIFY(sources.at(0).at(1).toString().contains(QStringLiteral("marker-in-source")));
    }

    void saveImageBySuffix()
    {
        TestDatabase folder;
        ScriptedPrompt prompt;
        ProbeView view;
        QVERIFY(load(view, m_server.url(QStringLiteral("/page"))));
        view.hit(QStringLiteral("#image"));
        QVERIFY(!view.lastHit().pixmap().isNull());
        UtilSignalManager* hub = UtilSignalManager::instance();
        QSignalSpy infos(hub, &UtilSignalManager::onInfo);
        QSignalSpy errors(hub, &UtilSignalManager::onError);

        prompt.files.enqueue(folder.file(QStringLiteral("x.PNG")));
        view.slotSaveImage();
        QCOMPARE(QImageReader(folder.file(QStringLiteral("x.PNG"))).format(), QByteArray("png"));
        QCOMPARE(infos.count(), 1);

        // An unknown suffix saves nothing and says so.
        prompt.files.enqueue(folder.file(QStringLiteral("x.gif")));
        view.slotSaveImage();
        QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("x.gif"))));
        QCOMPARE(errors.count(), 1);

        // A file that cannot be written is a failure, not a success.
        prompt.files.enqueue(folder.file(QStringLiteral("missing/y.jpg")));
        view.slotSaveImage();
        QCOMPARE(errors.count(), 2);
        QCOMPARE(infos.count(), 1);

        // Cancelled: nothing.
        view.slotSaveImage();
        QCOMPARE(errors.count() + infos.count(), 3);
    }

    void savePageWritesTheFrame()
    {
        TestDatabase folder;
        ScriptedPrompt prompt;
        WidWebView view;
        view.build();
        QVERIFY(load(view, m_server.url(QStringLiteral("/page"))));
        QSignalSpy infos(UtilSignalManager::instance(), &UtilSignalManager::onInfo);
        QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);

        prompt.files.enqueue(folder.file(QStringLiteral("saved.html")));
        view.slotSavePage();
        QFile saved(folder.file(QStringLiteral("saved.html")));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("marker-in-source"));
        QCOMPARE(infos.count(), 1);

        prompt.files.enqueue(folder.file(QStringLiteral("missing/saved.html")));
        view.slotSavePage();
        QCOMPARE(infos.count(), 1);
        QCOMPARE(errors.count(), 1);
    }

    void zoomSteps()
    {
        WidWebView view;
        view.build();
        QVERIFY(load(view, m_server.url(QStringLiteral("/page"))));
        QSignalSpy warnings(UtilSignalManager::instance(), &UtilSignalManager::onWarning);
        for (int i = 0; i < 10; ++i)
            view.zoomIn(false);
        QCOMPARE(warnings.count(), 0);
        const qreal top = view.zoomValue(false);
        QVERIFY(top > 2.0 && top < 2.01);
        view.zoomIn(false);
        QCOMPARE(warnings.count(), 1);
        QCOMPARE(view.zoomValue(false), top);
        QCOMPARE(view.zoomValue(true), 1.0);

        view.zoomReset();

        // What the page shows: text zoom leaves the image, page zoom does not.
        QWebFrame* frame = view.page()->mainFrame();
        auto height = [frame](const char* selector) {
            return frame->findFirstElement(QLatin1String(selector)).geometry().height();
        };
        const int text = height("#text");
        const int image = height("#image");
        for (int i = 0; i < 5; ++i)
            view.zoomIn(true);
        QVERIFY(height("#text") > text);
        QCOMPARE(height("#image"), image);
        view.zoomIn(false);
        QVERIFY(height("#image") > image);
    }

    void popupWindows()
    {
        WidTabManager::setWebTabFactory([](QWidget* parent) { return new ViewPage(parent); });
        WidTabManager tabs;
        tabs.build();
        ProbeView view;

        QVERIFY(!view.createWindow(QWebPage::WebBrowserWindow)); // no tab manager
        view.setTabManager(&tabs);
        QVERIFY(!view.createWindow(QWebPage::WebModalDialog));
        DBOptions options;
        options.setBlockPopups(true);
        DBCache::setOptions(&options);
        QVERIFY(!view.createWindow(QWebPage::WebBrowserWindow));
        QCOMPARE(tabs.count(), 1);

        options.setBlockPopups(false);
        DBCache::setOptions(&options);
        QWebView* popup = view.createWindow(QWebPage::WebBrowserWindow);
        QVERIFY(popup);
        QCOMPARE(tabs.count(), 2);
        QCOMPARE(popup, static_cast<ViewPage*>(tabs.widget(1))->view);
        QCOMPARE(tabs.currentIndex(), 0); // FocusPopups off
    }

    void tabClosedWhileItsPageLoads()
    {
        TestDatabase db;
        DBCache::reset();
        WidTabManager::setWebTabFactory([](QWidget* parent) { return new ViewPage(parent); });
        WidTabManager tabs;
        tabs.build();
        auto* page = static_cast<ViewPage*>(tabs.addTab(new ViewPage, nullptr, false, true));
        QPointer<WidWebView> view = page->view;
        view->setTabManager(&tabs);

        m_server.hold(QStringLiteral("/slow"));
        view->load(m_server.url(QStringLiteral("/slow")));
        QTRY_COMPARE_WITH_TIMEOUT(m_server.heldCount(), 1, 5000);
        QCOMPARE(view->state(), 1);
        QVERIFY(tabs.closeTab(1, false));
        QTRY_VERIFY_WITH_TIMEOUT(view.isNull(), 2000);

        // The answer arrives for a page that is gone.
        m_server.release();
        QTest::qWait(50);
        QCOMPARE(tabs.count(), 1);
        QCOMPARE(TestDatabase::rowCount(DBSql::tableHistory()), 0);
    }

    void managerDestroyedWhileItsPagesLoad()
    {
        TestDatabase db;
        DBCache::reset();
        WidTabManager::setWebTabFactory([](QWidget* parent) { return new ViewPage(parent); });
        QSignalSpy status(UtilSignalManager::instance(), &UtilSignalManager::onUpdateTabStatus);
        auto* tabs = new WidTabManager;
        tabs->build();
        tabs->show();
        QPointer<WidWebView> first = static_cast<ViewPage*>(tabs->widget(0))->view;
        auto* second = static_cast<ViewPage*>(tabs->addTab(new ViewPage, nullptr, false, true));
        m_server.hold(QStringLiteral("/slow"));
        first->load(m_server.url(QStringLiteral("/slow")));
        second->view->load(m_server.url(QStringLiteral("/slow")));
        QTRY_COMPARE_WITH_TIMEOUT(m_server.heldCount(), 2, 5000);
        const int before = status.count();
        delete tabs;
        QVERIFY(first.isNull());
        QCOMPARE(status.count(), before);
        m_server.release();
        QTest::qWait(50);
        QCOMPARE(TestDatabase::rowCount(DBSql::tableHistory()), 0);
    }
};

TESVAR_TEST(WebViewTest)
#include "WebViewTest.moc"
