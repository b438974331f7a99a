#include "FileSizeLimit.h"
#include "FreshStateTest.h"
#include "TestFolder.h"
#include "TestRunner.h"

#include "core/ConstApp.h"
#include "core/Logger.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

using Vexal::Logger;
namespace ConstApp = Vexal::ConstApp;

class LoggerTest : public FreshStateTest
{
    Q_OBJECT

    static QByteArray readLog()
    {
        QFile file(ConstApp::logFile());
        if (!file.open(QIODevice::ReadOnly))
            return QByteArray();
        return file.readAll();
    }

    static void makeLog(qint64 size)
    {
        QFile file(ConstApp::logFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(QByteArray(int(size), 'x')), size);
    }

private slots:
    void numbersEachListFromZero()
    {
        TestFolder folder;
        Logger::setContext(QStringLiteral("Vexal::WndMain"), QStringLiteral("Open"));
        Logger::error(QStringLiteral("first"));
        QCOMPARE(Logger::errors().value(0),
                 QStringLiteral("<p><span style=\"font-weight:bold; color:#FF0000;\">0. Error</span>: "
                                "<span style=\"color:#0000B4;\">Vexal::WndMain.Open</span>: first</p>"));
        QCOMPARE(Logger::allLines(), Logger::errors());

        Logger::info(QStringLiteral("note"));
        Logger::error(QStringLiteral("second"));
        Logger::warning(QStringLiteral("careful"));
        // The numbered kind at the head of each line.
        const auto heads = [](const QStringList& lines) {
            QStringList found;
            for (const QString& line : lines)
                found << line.section(QStringLiteral("\">"), 1, 1).section(QLatin1Char('<'), 0, 0);
            return found;
        };
        QCOMPARE(heads(Logger::allLines()), (QStringList{"0. Error", "1. Information", "2. Error", "3. Warning"}));
        QCOMPARE(heads(Logger::errors()), (QStringList{"0. Error", "1. Error"}));
        QCOMPARE(heads(Logger::infos() + Logger::warnings()), (QStringList{"0. Information", "0. Warning"}));
        // The level of each line of all, told with the lines.
        QVector<Logger::Level> levels;
        QCOMPARE(Logger::allLines(&levels), Logger::allLines());
        QCOMPARE(levels, (QVector<Logger::Level>{Logger::LevelError, Logger::LevelInfo, Logger::LevelError,
                                                 Logger::LevelWarning}));
        Logger::trimLists(true);
        QCOMPARE(Logger::allLines(&levels), QStringList());
        QVERIFY(levels.isEmpty());
    }

    void escapesHtmlAndKeepsMarkers()
    {
        TestFolder folder;
        Logger::error(QStringLiteral("A<B>"), QStringLiteral("Save & Close"),
                      QStringLiteral("<script>x(\"%1\")</script>"));
        const QString line = Logger::errors().value(0);
        QVERIFY(line.contains(QStringLiteral("A&lt;B&gt;.Save &amp; Close</span>: "
                                             "&lt;script&gt;x(&quot;%1&quot;)&lt;/script&gt;</p>")));
        QVERIFY(!line.contains(QStringLiteral("<script>")));
        // The file line stays plain.
        QVERIFY(readLog().endsWith("A<B>.Save & Close - <script>x(\"%1\")</script>\r\n"));
    }

    void explicitContextLeavesCurrentOne()
    {
        TestFolder folder;
        Logger::setContext(QStringLiteral("Cls"), QStringLiteral("Act"));
        Logger::warning(QStringLiteral("Other"), QStringLiteral("Step"), QStringLiteral("m"));
        QVERIFY(Logger::warnings().value(0).contains(QStringLiteral(">Other.Step</span>")));
        QCOMPARE(Logger::contextClassName(), QStringLiteral("Cls"));
        QCOMPARE(Logger::contextAction(), QStringLiteral("Act"));
    }

    void fileLinesByLevel()
    {
        TestFolder folder;
        Logger::setContext(QStringLiteral("Cls"), QStringLiteral("Act"));
        Logger::error(QStringLiteral("bad"));
        Logger::info(QStringLiteral("never in file"));
        Logger::warning(QStringLiteral("Grüße €"));
        Logger::critical(QStringLiteral("stop"));
        // A note is information that the file keeps too.
        Logger::note(QStringLiteral("kept"));
        // A critical message reaches no list.
        QCOMPARE(Logger::allLines().size(), 4);
        QCOMPARE(Logger::infos().size(), 2);
        QVERIFY(Logger::infos().value(1).contains(QStringLiteral("1. Information</span>")));

        const QString text = QString::fromUtf8(readLog());
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 5);
        QVERIFY(lines.at(4).isEmpty());
        const QString time = QStringLiteral("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d");
        QVERIFY(QRegularExpression(QStringLiteral("^INFO %1 Cls\\.Act - kept$").arg(time)).match(lines.at(3)).hasMatch());
        QVERIFY(QRegularExpression(QStringLiteral("^ERROR %1 Cls\\.Act - bad$").arg(time)).match(lines.at(0)).hasMatch());
        QVERIFY(QRegularExpression(QStringLiteral("^WARNING %1 Cls\\.Act - Grüße €$").arg(time)).match(lines.at(1)).hasMatch());
        QVERIFY(QRegularExpression(QStringLiteral("^CRITICAL %1 Cls\\.Act - stop$").arg(time)).match(lines.at(2)).hasMatch());
        QVERIFY(!text.contains(QStringLiteral("never in file")));
    }

    void fileRestartsAtThreshold()
    {
        TestFolder folder;
        makeLog(Logger::restartSize - 1);
        Logger::error(QStringLiteral("Cls"), QStringLiteral("Act"), QStringLiteral("appended"));
        QByteArray log = readLog();
        QVERIFY(log.startsWith("xxx"));
        QVERIFY(log.endsWith("Cls.Act - appended\r\n"));

        makeLog(Logger::restartSize);
        Logger::error(QStringLiteral("Cls"), QStringLiteral("Act"), QStringLiteral("fresh"));
        log = readLog();
        QVERIFY(log.startsWith("ERROR "));
        QVERIFY(log.endsWith("Cls.Act - fresh\r\n"));
        QCOMPARE(log.count('\n'), 1);
    }

    void listsClearTogetherAtLimit()
    {
        TestFolder folder;
        Logger::warning(QStringLiteral("w"));
        Logger::trimLists(false);
        QCOMPARE(Logger::allLines().size(), 1);
        for (int i = 1; i < Logger::listLimit; ++i)
            Logger::info(QString::number(i));
        QCOMPARE(Logger::allLines().size(), Logger::listLimit);
        QCOMPARE(Logger::warnings().size(), 1);

        Logger::error(QStringLiteral("next"));
        QCOMPARE(Logger::allLines().size(), 1);
        QCOMPARE(Logger::infos().size(), 0);
        QCOMPARE(Logger::warnings().size(), 0);
        QVERIFY(Logger::errors().value(0).contains(QStringLiteral(">0. Error<")));
        QVERIFY(Logger::allLines().value(0).contains(QStringLiteral(">0. Error<")));

        Logger::trimLists(true);
        QVERIFY(Logger::allLines().isEmpty());
        QVERIFY(Logger::errors().isEmpty());
    }

    void unwritableFileDisablesForGood()
    {
        TestFolder folder;
        QVERIFY(QDir().mkdir(ConstApp::logFile()));
        Logger::error(QStringLiteral("lost"));
        QVERIFY(Logger::isDisabled());
        QCOMPARE(Logger::errors().size(), 1);

        QVERIFY(QDir().rmdir(ConstApp::logFile()));
        Logger::error(QStringLiteral("still lost"));
        Logger::critical(QStringLiteral("also lost"));
        QCOMPARE(Logger::errors().size(), 2);
        QVERIFY(!QFile::exists(ConstApp::logFile()));
    }

    // A full disk (here a file-size limit) takes no part of a line: the log
    // stays as it was, or is not made at all, and the loss is known.
    void failedWriteLeavesTheFileAsItWas_data()
    {
        QTest::addColumn<int>("existing");
        QTest::newRow("no log yet") << -1;
        QTest::newRow("a log") << 100;
    }

    void failedWriteLeavesTheFileAsItWas()
    {
        QFETCH(int, existing);
        TestFolder folder;
        if (existing >= 0)
            makeLog(existing);
        QVERIFY(!Logger::lostLines());
        {
            FileSizeLimit limit(rlim_t(std::max(0, existing) + 10));
            QVERIFY(limit.ok());
            Logger::error(QStringLiteral("Cls"), QStringLiteral("Act"), QStringLiteral("longer than ten bytes"));
        }
        QVERIFY(Logger::lostLines());
        QVERIFY(!Logger::isDisabled());
        QCOMPARE(QFile::exists(ConstApp::logFile()), existing >= 0);
        QCOMPARE(readLog(), QByteArray(std::max(0, existing), 'x'));

        // Room again: the next line goes in whole.
        Logger::error(QStringLiteral("Cls"), QStringLiteral("Act"), QStringLiteral("next"));
        QVERIFY(readLog().endsWith("Cls.Act - next\r\n"));
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
        qputenv("TESVAR_SERVER_URL", "http://127.0.0.1:8123");
        QCOMPARE(ConstApp::updatesUrl(), QStringLiteral("http://127.0.0.1:8123/sysupdates.php"));
        if (saved.isNull())
            qunsetenv("TESVAR_SERVER_URL");
        else
            qputenv("TESVAR_SERVER_URL", saved);
    }
};

TESVAR_TEST(LoggerTest)
#include "LoggerTest.moc"
