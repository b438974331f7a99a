#include "TestRunner.h"

#include "WebPageTest.h"
#include "core/Init.h"
#include "core/UtilSignalManager.h"
#include "data/DBCache.h"
#include "shell/BaseTabObject.h"
#include "shell/BaseWebExtension.h"
#include "shell/BaseWebToolbar.h"
#include "shell/WidLocationBar.h"
#include "shell/WidLocationEdit.h"
#include "shell/WidNavigationBar.h"
#include "shell/WidSearchBar.h"
#include "shell/WidTabManager.h"
#include "shell/WidWebTab.h"
#include "shell/WidWebView.h"

#include <QPointer>
#include <QSignalSpy>
#include <QSplitter>
#include <QTabBar>
#include <QToolButton>
#include <QtTest>

using namespace Vexal;

namespace {

// A side panel that records the attach protocol and closes from its bar.
class FakePanel : public QWidget, public BaseWebExtension
{
    Q_OBJECT
public:
    explicit FakePanel(QStringList* entries, QWidget* parent = nullptr)
        : QWidget(parent)
        , log(entries)
        , toolbar(new BaseWebToolbar(QStringLiteral("Panel"), this))
    {
        toolbar->build();
        connect(toolbar, &BaseWebToolbar::onClose, this, [this] { tabObject()->emitOnClose(this); });
    }
    void beforeAttach() override { *log << QStringLiteral("before"); }
    void setWebTab(QWidget* tab) override
    {
        BaseWebExtension::setWebTab(tab);
        *log << (webTab() ? QStringLiteral("tab") : QStringLiteral("no tab"));
    }
    void afterAttach() override { *log << QStringLiteral("after"); }
    QToolButton* closeButton() const { return toolbar->findChildren<QToolButton*>().last(); }

    QStringList* log;
    BaseWebToolbar* toolbar;
};

bool waitLoaded(WidWebTab* tab)
{
    QSignalSpy finished(tab->webView(), &QWebView::loadFinished);
    return finished.wait(5000) && finished.last().at(0).toBool();
}

WidWebTab* webTabAt(WidTabManager& tabs, int index)
{
    return qobject_cast<WidWebTab*>(tabs.widget(index));
}

} // namespace

class WebTabTest : public WebPageTest
{
    Q_OBJECT

private slots:
    void panelsAttachReplaceAndClose()
    {
        WidWebTab tab;
        QStringList log;
        QPointer<FakePanel> early = new FakePanel(&log);
        tab.setExtension(early); // no body yet: not attached, but owned
        QVERIFY(!tab.extension());
        QTRY_VERIFY(early.isNull());
        QVERIFY(log.isEmpty());
        tab.setInit(nullptr);
        QSplitter* splitter = tab.splitter();
        QCOMPARE(splitter->count(), 1);
        QCOMPARE(splitter->widget(0), static_cast<QWidget*>(tab.webView()));

        QPointer<FakePanel> first = new FakePanel(&log);
        tab.setExtension(first);
        QCOMPARE(log, (QStringList{ "before", "tab", "after" }));
        QCOMPARE(first->webTab(), &tab);
        QCOMPARE(splitter->count(), 2);
        QCOMPARE(splitter->widget(0), static_cast<QWidget*>(first));
        tab.setExtension(first); // the same panel again stays
        tab.setExtension(nullptr);
        QCOMPARE(splitter->count(), 2);
        QVERIFY(first);

        QPointer<FakePanel> second = new FakePanel(&log);
        tab.setExtension(second);
        QCOMPARE(splitter->count(), 2);
        QCOMPARE(splitter->widget(0), static_cast<QWidget*>(second));
        QCOMPARE(splitter->widget(1), static_cast<QWidget*>(tab.webView()));
        QTRY_VERIFY(first.isNull());

        second->closeButton()->click();
        QVERIFY(!tab.extension());
        QCOMPARE(splitter->count(), 1);
        QTRY_VERIFY(second.isNull());
    }

    void navigationFollowsThePage()
    {
        WidTabManager tabs;
        tabs.build();
        QCOMPARE(tabs.count(), 1);
        WidWebTab* tab = webTabAt(tabs, 0);
        QVERIFY(tab);
        WidNavigationBar* bar = tab->navigationBar();
        const QUrl page = m_server.url(QStringLiteral("/page"));

        // Typed into the location bar.
        bar->locationBar()->locationEdit()->setText(page.toString());
        QTest::keyClick(bar->locationBar()->locationEdit(), Qt::Key_Return);
        QVERIFY(waitLoaded(tab));
        QCOMPARE(tab->title(), QStringLiteral("Loop Page"));
        QVERIFY(tabs.tabText(0).startsWith(QStringLiteral("Loop Page")));
        QCOMPARE(bar->locationBar()->locationEdit()->text(), page.toString());

        tab->load(m_server.url(QStringLiteral("/second")));
        QVERIFY(waitLoaded(tab));
        bar->backButton()->click();
        QTRY_COMPARE(tab->url(), page);
        QTRY_COMPARE(tab->title(), QStringLiteral("Loop Page"));
        bar->forwardButton()->click();
        QTRY_COMPARE(tab->title(), QStringLiteral("Second"));

        // While loading the button stops the page.
        m_server.hold(QStringLiteral("/slow"));
        tab->load(m_server.url(QStringLiteral("/slow")));
        QTRY_COMPARE_WITH_TIMEOUT(m_server.heldCount(), 1, 5000);
        QVERIFY(bar->isLoading());
        QCOMPARE(tab->title(), QStringLiteral("Loading..."));
        QSignalSpy finished(tab->webView(), &QWebView::loadFinished);
        bar->reloadStopButton()->click();
        QTRY_COMPARE(finished.count(), 1);
        QVERIFY(!bar->isLoading());
        m_server.release();

        // A page that cannot be had.
        tab->load(QUrl(QStringLiteral("http://127.0.0.1:1/")));
        QVERIFY(!waitLoaded(tab));
        QCOMPARE(tab->title(), QStringLiteral("Failed"));
        QVERIFY(tabs.tabText(0).startsWith(QStringLiteral("Failed")));

        tab->load(QUrl()); // ignored
        QCOMPARE(tab->url(), QUrl(QStringLiteral("http://127.0.0.1:1/")));
    }

    // A page whose title ticks reports state all the time; the address being
    // typed stays (Enter then loads it, as the navigation bar's test shows).
    void typedAddressSurvivesATickingTitle()
    {
        m_server.setHtml(QStringLiteral("/ticking"),
                         QStringLiteral("<html><head><title>tick 0</title><script>var n = 0;"
                                        "setInterval(function() { document.title = 'tick ' + (++n); }, 20);"
                                        "</script></head><body>ticking</body></html>"));
        WidWebTab tab;
        tab.setInit(nullptr);
        tab.resize(600, 400);
        tab.show();
        QApplication::setActiveWindow(&tab);
        QVERIFY(QTest::qWaitForWindowActive(&tab));
        tab.load(m_server.url(QStringLiteral("/ticking")));
        QVERIFY(waitLoaded(&tab));

        WidLocationEdit* location = tab.navigationBar()->locationBar()->locationEdit();
        location->setFocus();
        QVERIFY(location->hasFocus());
        location->selectAll();
        const QString typed = m_server.url(QStringLiteral("/second")).toString();
        QTest::keyClicks(location, typed);
        QSignalSpy titles(tab.webView(), &QWebView::titleChanged);
        QTRY_VERIFY(titles.count() >= 3);
        QCOMPARE(location->text(), typed);
    }

    void initLoadsAddressAndSearchesText()
    {
        WidWebTab tab;
        auto* init = new Init(m_server.url(QStringLiteral("/page")));
        init->setText(QStringLiteral("loop words"));
        tab.setInit(init);
        // The search URL is caught before the tab would load it.
        disconnect(tab.navigationBar(), &WidNavigationBar::onLoad, &tab, nullptr);
        QSignalSpy search(tab.navigationBar(), &WidNavigationBar::onLoad);
        QSignalSpy finished(tab.webView(), &QWebView::loadFinished);
        tab.open();
        QCOMPARE(search.count(), 1);
        QCOMPARE(search.at(0).at(0).toUrl(), tab.navigationBar()->searchBar()->queryUrl(QStringLiteral("loop words")));
        QVERIFY(finished.wait(5000));
        QCOMPARE(tab.title(), QStringLiteral("Loop Page"));
    }

    void pageCommands()
    {
        WidWebTab tab;
        WidWebTab other;
        tab.setInit(new Init(m_server.url(QStringLiteral("/page"))));
        other.setInit(nullptr);
        tab.open();
        QVERIFY(waitLoaded(&tab));

        tab.find(QStringLiteral("needle"), true, true);
        QCOMPARE(tab.selectedText(), QStringLiteral("needle"));
        tab.find(QString(), true, false);
        QCOMPARE(tab.selectedText(), QStringLiteral("needle"));
        tab.find(QStringLiteral("needle"), false, false);
        QCOMPARE(tab.selectedText().trimmed(), QStringLiteral("Needle"));

        // Text-only zoom is a flag of the one tab.
        tab.setZoomTextOnly(true);
        tab.zoomIn();
        QVERIFY(tab.webView()->zoomValue(true) > 1.05);
        QCOMPARE(tab.webView()->zoomValue(false), 1.0);
        other.zoomIn();
        QVERIFY(other.webView()->zoomValue(false) > 1.05);
        QCOMPARE(other.webView()->zoomValue(true), 1.0);
        tab.zoomReset();
        QCOMPARE(tab.webView()->zoomValue(true), 1.0);
    }

    void tabManagerMakesWebTabs()
    {
        WidTabManager tabs;
        tabs.resize(800, 400);
        tabs.build();
        tabs.show();
        tabs.slotContextNewTab();
        QCOMPARE(tabs.count(), 2);
        WidWebTab* second = webTabAt(tabs, 1);
        QVERIFY(second);
        QCOMPARE(second->webView()->tabManager(), static_cast<QWidget*>(&tabs));

        second->load(m_server.url(QStringLiteral("/page")));
        QVERIFY(waitLoaded(second));
        QTabBar* bar = tabs.tabBar();
        QTest::mousePress(bar, Qt::RightButton, {}, bar->tabRect(1).center());
        tabs.slotContextCloneTab();
        QCOMPARE(tabs.count(), 3);
        WidWebTab* clone = webTabAt(tabs, 2);
        QVERIFY(clone);
        QCOMPARE(clone->url(), second->url());
        QVERIFY(waitLoaded(clone));
        QCOMPARE(clone->title(), QStringLiteral("Loop Page"));
    }
};

TESVAR_TEST(WebTabTest)
#include "WebTabTest.moc"
