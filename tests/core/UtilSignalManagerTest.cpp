#include "TestRunner.h"

#include "core/UtilSignalManager.h"

#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

using Vexal::UtilSignalManager;

class UtilSignalManagerTest : public QObject
{
    Q_OBJECT
private slots:
    void everySignalCarriesItsArguments()
    {
        UtilSignalManager* hub = UtilSignalManager::instance();
        QCOMPARE(UtilSignalManager::instance(), hub);
        const QUrl url(QStringLiteral("http://127.0.0.1/page"));
        QPixmap icon(4, 4);
        icon.fill(Qt::red);

        QSignalSpy error(hub, &UtilSignalManager::onError);
        QSignalSpy warning(hub, &UtilSignalManager::onWarning);
        QSignalSpy info(hub, &UtilSignalManager::onInfo);
        QSignalSpy bookmarksMenu(hub, &UtilSignalManager::onRestoreBookmarksMenu);
        QSignalSpy engine(hub, &UtilSignalManager::onUpdateSearchEngine);
        QSignalSpy options(hub, &UtilSignalManager::onUpdateOptions);
        QSignalSpy project(hub, &UtilSignalManager::onUpdateProject);
        QSignalSpy tabStatus(hub, &UtilSignalManager::onUpdateTabStatus);
        QSignalSpy load(hub, &UtilSignalManager::onLoad);
        QSignalSpy webSearch(hub, &UtilSignalManager::onWebSearch);
        QSignalSpy hovered(hub, &UtilSignalManager::onLinkHovered);
        QSignalSpy quick(hub, &UtilSignalManager::onQuickBookmark);
        QSignalSpy tab(hub, QOverload<>::of(&UtilSignalManager::onBookmarkTab));
        QSignalSpy tabWith(hub, QOverload<const QUrl&, const QString&, const QPixmap&>::of(
                                    &UtilSignalManager::onBookmarkTab));
        QSignalSpy allTabs(hub, &UtilSignalManager::onBookmarkAllTabs);
        QSignalSpy spinned(hub, &UtilSignalManager::onOpenSpinnedArticles);
        QSignalSpy source(hub, &UtilSignalManager::onPageSource);

        hub->emitError(QStringLiteral("e"));
        hub->emitWarning(QStringLiteral("w"));
        hub->emitInfo(QStringLiteral("i"));
        hub->emitRestoreBookmarksMenu();
        hub->emitUpdateSearchEngine(16);
        hub->emitUpdateOptions();
        hub->emitUpdateProject();
        hub->emitUpdateTabStatus();
        hub->emitLoad(url, true, false);
        hub->emitWebSearch(QStringLiteral("words"), false, true);
        hub->emitLinkHovered(QStringLiteral("link"));
        hub->emitQuickBookmark(url, QStringLiteral("quick"), icon);
        hub->emitBookmarkTab();
        hub->emitBookmarkTab(url, QStringLiteral("tab"), icon);
        hub->emitBookmarkAllTabs();
        hub->emitOpenSpinnedArticles(QStringLiteral("7"));
        hub->emitPageSource(QStringLiteral("title"), QStringLiteral("<html/>"));

        QCOMPARE(error.value(0), QVariantList{QStringLiteral("e")});
        QCOMPARE(warning.value(0), QVariantList{QStringLiteral("w")});
        QCOMPARE(info.value(0), QVariantList{QStringLiteral("i")});
        QCOMPARE(bookmarksMenu.count(), 1);
        QCOMPARE(engine.value(0), QVariantList{16});
        QCOMPARE(options.count(), 1);
        QCOMPARE(project.count(), 1);
        QCOMPARE(tabStatus.count(), 1);
        QCOMPARE(load.value(0), (QVariantList{url, true, false}));
        QCOMPARE(webSearch.value(0), (QVariantList{QStringLiteral("words"), false, true}));
        QCOMPARE(hovered.value(0), QVariantList{QStringLiteral("link")});
        QCOMPARE(quick.count(), 1);
        QCOMPARE(quick.at(0).at(1).toString(), QStringLiteral("quick"));
        QCOMPARE(quick.at(0).at(2).value<QPixmap>().toImage(), icon.toImage());
        // The two overloads reach different listeners.
        QCOMPARE(tab.count(), 1);
        QCOMPARE(tabWith.count(), 1);
        QCOMPARE(tabWith.at(0).at(0).toUrl(), url);
        QCOMPARE(tabWith.at(0).at(1).toString(), QStringLiteral("tab"));
        QCOMPARE(allTabs.count(), 1);
        QCOMPARE(spinned.value(0), QVariantList{QStringLiteral("7")});
        QCOMPARE(source.value(0), (QVariantList{QStringLiteral("title"), QStringLiteral("<html/>")}));
    }

    void workerEmitIsQueued()
    {
        UtilSignalManager* hub = UtilSignalManager::instance();
        QString received;
        QObject receiver;
        connect(hub, &UtilSignalManager::onError, &receiver,
                [&received](const QString& message) { received = message; });
        QThread* worker = QThread::create([hub] { hub->emitError(QStringLiteral("from worker")); });
        worker->start();
        QVERIFY(worker->wait(5000));
        delete worker;
        QVERIFY(received.isEmpty());
        QTRY_COMPARE(received, QStringLiteral("from worker"));
    }
};

TESVAR_TEST(UtilSignalManagerTest)
#include "UtilSignalManagerTest.moc"
