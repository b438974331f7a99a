#include "TestRunner.h"

#include "FakePage.h"
#include "LoopbackServer.h"
#include "ScriptedPrompt.h"
#include "SpyTexts.h"
#include "TestDatabase.h"
#include "widgets/DlgProgress.h"
#include "core/Init.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBCache.h"
#include "data/DBOptions.h"
#include "exchange/ThreadXmlExport.h"
#include "app/DelegateBrowser.h"
#include "shell/NetworkAccessManager.h"
#include "shell/WidPageSource.h"
#include "shell/WidTabManager.h"
#include "widgets/WidTextEdit.h"
#include "shell/WidWebTab.h"
#include "shell/WidWebView.h"
#include "views/UtilDialog.h"

#include <QFile>
#include <QNetworkProxy>
#include <QSignalSpy>
#include <QtTest>

using namespace Vexal;

class DelegateBrowserTest : public QObject
{
    Q_OBJECT

    // Serves the pages and, as the proxy of every request, keeps anything
    // else (web searches) on this machine: unknown pages get 404.
    LoopbackServer m_server;
    TestFolder m_folder;
    QWidget m_window;
    WidTabManager* m_tabs = nullptr;

    WidWebTab* webTab(int index) const { return qobject_cast<WidWebTab*>(m_tabs->widget(index)); }

    void run(const std::function<void(DelegateBrowser&)>& operation)
    {
        DelegateBrowser browser(m_tabs, &m_window);
        operation(browser);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.start());
        m_server.setTitledPage(QStringLiteral("/a"), QStringLiteral("A"), QStringLiteral("first"));
        m_server.setTitledPage(QStringLiteral("/b"), QStringLiteral("B"), QStringLiteral("second"));
        QNetworkProxy proxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), m_server.port());
        NetworkAccessManager::instance()->setProxy(proxy);
    }

    void cleanupTestCase() { NetworkAccessManager::instance()->setProxy(QNetworkProxy(QNetworkProxy::NoProxy)); }

    void init()
    {
        DBOptions options;
        options.setSaveHistory(false);
        options.setHomeUrl(QString());
        DBCache::setOptions(&options);
        Logger::resetForTests();
        m_tabs = new WidTabManager(&m_window);
        m_tabs->resize(600, 400);
        m_window.show();
    }

    void cleanup()
    {
        delete m_tabs;
        m_tabs = nullptr;
        UtilDialog::setRunner({});
        DBCache::reset();
    }

    void loadInPlaceOrInNewTab()
    {
        run([](DelegateBrowser& browser) { browser.newTab(); });
        QCOMPARE(m_tabs->count(), 1);
        WidWebTab* first = webTab(0);
        QVERIFY(first);

        const QUrl a = m_server.url(QStringLiteral("/a"));
        run([&](DelegateBrowser& browser) { browser.load(a, false, true); });
        QTRY_COMPARE(first->title(), QStringLiteral("A"));
        QCOMPARE(m_tabs->count(), 1);
        QCOMPARE(first->url(), a);

        // A journal page is no web page: a new tab, focused only when asked.
        auto* journal = new FakePage;
        m_tabs->addTab(journal, nullptr, false, true);
        const QUrl b = m_server.url(QStringLiteral("/b"));
        run([&](DelegateBrowser& browser) { browser.load(b, false, false); });
        QCOMPARE(m_tabs->count(), 3);
        QCOMPARE(m_tabs->currentWidget(), static_cast<QWidget*>(journal));
        QTRY_COMPARE(webTab(2)->title(), QStringLiteral("B"));
        QCOMPARE(webTab(2)->url(), b);

        // Asked for a new tab, even a web page is left alone.
        m_tabs->setCurrentIndex(0);
        run([&](DelegateBrowser& browser) { browser.load(b, true, true); });
        QCOMPARE(m_tabs->count(), 4);
        QCOMPARE(m_tabs->currentIndex(), 3);
        QCOMPARE(first->url(), a);
    }

    void webSearchAndWebTabOnlyCommands()
    {
        QSignalSpy warnings(UtilSignalManager::instance(), &UtilSignalManager::onWarning);
        m_tabs->addTab(new FakePage, nullptr, false, true);
        run([](DelegateBrowser& browser) {
            browser.focusWebSearch();
            browser.focusLocation();
            browser.pageSource();
        });
        const QString webOnly = QStringLiteral("This tool works on web tabs only");
        QCOMPARE(spyTexts(warnings), (QStringList{webOnly, webOnly, webOnly}));
        QCOMPARE(m_tabs->count(), 1);

        m_server.clearRequests();
        run([](DelegateBrowser& browser) { browser.webSearch(QStringLiteral("x y"), false, true); });
        QCOMPARE(m_tabs->count(), 2);
        WidWebTab* search = webTab(1);
        QVERIFY(search);
        QCOMPARE(m_tabs->currentIndex(), 1);
        QCOMPARE(search->init()->text(), QStringLiteral("x y"));
        // The search itself went to the loopback proxy.
        QTRY_VERIFY(!m_server.requests().isEmpty());
    }

    void pageSourceReusesTheOpenSourceTab()
    {
        run([&](DelegateBrowser& browser) { browser.newTab(); });
        run([&](DelegateBrowser& browser) { browser.load(m_server.url(QStringLiteral("/a")), false, true); });
        QTRY_COMPARE(webTab(0)->title(), QStringLiteral("A"));
        run([&](DelegateBrowser& browser) { browser.newTab(); });
        run([&](DelegateBrowser& browser) { browser.load(m_server.url(QStringLiteral("/b")), false, true); });
        QTRY_COMPARE(webTab(1)->title(), QStringLiteral("B"));

        m_tabs->setCurrentIndex(0);
        run([](DelegateBrowser& browser) { browser.pageSource(); });
        QCOMPARE(m_tabs->count(), 3);
        auto* source = qobject_cast<WidPageSource*>(m_tabs->currentWidget());
        QVERIFY(source);
        QCOMPARE(source->title(), QStringLiteral("Source of: A"));
        QVERIFY(source->init()->text().contains(QLatin1String("first")));

        // Asked from the second page, the one source tab shows that page.
        m_tabs->setCurrentIndex(1);
        run([](DelegateBrowser& browser) { browser.pageSource(); });
        QCOMPARE(m_tabs->count(), 3);
        QCOMPARE(m_tabs->currentWidget(), static_cast<QWidget*>(source));
        QCOMPARE(source->title(), QStringLiteral("Source of: B"));
        QVERIFY(m_tabs->tabText(2).startsWith(QStringLiteral("Source of: B")));
        QVERIFY(source->textEdit()->toPlainText().contains(QLatin1String("second")));
        QVERIFY(!source->textEdit()->toPlainText().contains(QLatin1String("first")));
        QCOMPARE(source->textEdit()->textCursor().position(), 0);

        // A page's own request reuses it too.
        run([](DelegateBrowser& browser) { browser.openPageSource(QStringLiteral("C"), QStringLiteral("<p>third</p>")); });
        QCOMPARE(m_tabs->count(), 3);
        QCOMPARE(source->title(), QStringLiteral("Source of: C"));
        QCOMPARE(source->textEdit()->toPlainText(), QStringLiteral("<p>third</p>"));
    }

    void openFileAndHomePage()
    {
        TestDatabase db; // the chosen folder is remembered in the settings row
        ScriptedPrompt prompt;
        // Home Page with no address does nothing, not even a missing-tab report.
        run([](DelegateBrowser& browser) { browser.homePage(); });
        QCOMPARE(m_tabs->count(), 0);
        QVERIFY(Logger::errors().isEmpty());

        const QString path = m_folder.file(QStringLiteral("a #1.html"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><head><title>Local</title></head><body>x</body></html>");
        file.close();

        m_tabs->addTab(new FakePage, nullptr, false, true);
        prompt.files << path;
        run([](DelegateBrowser& browser) { browser.openFile(); });
        QCOMPARE(m_tabs->count(), 2);
        QCOMPARE(m_tabs->currentIndex(), 1);
        QTRY_COMPARE(webTab(1)->title(), QStringLiteral("Local"));
        QCOMPARE(webTab(1)->url().toLocalFile(), path);

        // Cancelled: nothing.
        run([](DelegateBrowser& browser) { browser.openFile(); });
        QCOMPARE(m_tabs->count(), 2);
    }

    void exportAndImportRunBehindTheProgressDialog()
    {
        TestDatabase db;
        ScriptedPrompt prompt;
        QStringList seen;
        UtilDialog::setRunner([&](QDialog* dialog) {
            auto* progress = qobject_cast<DlgProgress*>(dialog);
            if (progress && progress->job()) {
                seen << QString::fromLatin1(progress->job()->metaObject()->className());
                if (auto* job = qobject_cast<ThreadXmlExport*>(progress->job()))
                    seen << QString::number(job->typeCode()) << job->folder();
            }
            return int(QDialog::Rejected);
        });
        run([](DelegateBrowser& browser) {
            browser.importXml(); // no files chosen
            browser.exportXml(2); // no folder chosen
        });
        QVERIFY(seen.isEmpty());

        prompt.files << m_folder.path();
        run([](DelegateBrowser& browser) { browser.exportXml(2); });
        prompt.files << m_folder.file(QStringLiteral("x.xml"));
        run([](DelegateBrowser& browser) { browser.importXml(); });
        QCOMPARE(seen, (QStringList{"Vexal::ThreadXmlExport", "2", m_folder.path(), "Vexal::ThreadXmlImport"}));
    }
};

TESVAR_TEST(DelegateBrowserTest)
#include "DelegateBrowserTest.moc"
