#include "TestFolder.h"
#include "TestRunner.h"

#include "core/ConstApp.h"
#include "core/ConstCore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QUrl>

namespace ConstApp = Vexal::ConstApp;
namespace ConstCore = Vexal::ConstCore;

class ConstAppTest : public QObject
{
    Q_OBJECT
private slots:
    // The program keeps its files in the current folder, even after a change.
    void pathsFollowCurrentFolder()
    {
        TestFolder folder;
        QCOMPARE(ConstApp::databaseFile(), QDir::currentPath() + QStringLiteral("/TesvarBrowser.db"));
        TestFolder other;
        QCOMPARE(ConstApp::logFile(), QDir::currentPath() + QStringLiteral("/log.txt"));
    }

    void foldersAreCreatedOnce()
    {
        TestFolder folder;
        const QString webkit = QDir::currentPath() + QStringLiteral("/webkit");
        QCOMPARE(ConstApp::webkitFolder(), webkit);
        QVERIFY(QFileInfo(webkit).isDir());
        QFile marker(webkit + QStringLiteral("/keep"));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        QCOMPARE(ConstApp::webkitFolder(), webkit);
        QVERIFY(marker.exists());

        QCOMPARE(ConstApp::backupFolder(), QDir::currentPath() + QStringLiteral("/bku"));
        QVERIFY(QFileInfo(ConstApp::backupFolder()).isDir());
        QCOMPARE(ConstApp::ensureFolder(QString()), QString());
    }

    void folderBlockedByFileGivesEmpty()
    {
        TestFolder folder;
        QFile blocker(QDir::currentPath() + QStringLiteral("/bku"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QCOMPARE(ConstApp::backupFolder(), QString());
        // Only one level is made.
        QCOMPARE(ConstApp::ensureFolder(folder.file(QStringLiteral("a/b"))), QString());
    }

    void serverAddressIsOverridable()
    {
        const QByteArray saved = qgetenv("TESVAR_SERVER_URL");
        qunsetenv("TESVAR_SERVER_URL");
        const QStringList pages = {ConstApp::homeUrl(), ConstApp::updatesUrl(), ConstApp::messagesUrl(),
                                   ConstApp::templatesUrl(), ConstApp::updatesPageUrl(), ConstApp::helpUrl(),
                                   ConstApp::termsUrl()};
        for (const QString& page : pages)
            QVERIFY2(QUrl(page).isValid() && page.startsWith(QStringLiteral("http://")), qPrintable(page));

        qputenv("TESVAR_SERVER_URL", "http://127.0.0.1:8123");
        QCOMPARE(ConstApp::updatesUrl(), QStringLiteral("http://127.0.0.1:8123/sysupdates.php"));
        if (saved.isNull())
            qunsetenv("TESVAR_SERVER_URL");
        else
            qputenv("TESVAR_SERVER_URL", saved);
    }

    void searchTemplates()
    {
        const int codes[] = {2, 4, 8, 16, 32};
        QStringList seen;
        for (int code : codes) {
            const QString text = ConstCore::searchTemplate(code);
            QCOMPARE(text.count(QStringLiteral("%1")), 1);
            QVERIFY(!text.contains(QStringLiteral("%2")));
            QVERIFY(QUrl(text.arg(QStringLiteral("words")), QUrl::StrictMode).isValid());
            QVERIFY(!seen.contains(text));
            seen << text;
        }
        QVERIFY(ConstCore::searchTemplate(3).isEmpty());
        QVERIFY(ConstCore::searchTemplate(0).isEmpty());
    }
};

TESVAR_TEST(ConstAppTest)
#include "ConstAppTest.moc"
