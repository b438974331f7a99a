#include "TestFolder.h"
#include "TestRows.h"
#include "TestRunner.h"
#include "FileSizeLimit.h"

#include "data/File.h"
#include "texts/LocaleCore.h"

#include <QDir>
#include <QFile>
#include <QTest>

using Vexal::File;

namespace {

QByteArray rawBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return f.readAll();
}

void putBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

} // namespace

class FileTest : public QObject
{
    Q_OBJECT
private slots:
    void writesUtf8WithoutBomAndKeepsLineEnds()
    {
        TestFolder folder;
        const QString path = folder.file(QStringLiteral("page.html"));
        const QString text = QString::fromUtf8("<p>\xce\xa9mega \xe5\xaf\x86\xe7\xa0\x81 \xf0\x9f\x94\x91</p>\nline two\r\nend");
        File file(path);
        QVERIFY(file.write(text));
        QCOMPARE(file.errorText(), QString());
        QCOMPARE(rawBytes(path), text.toUtf8());
        QCOMPARE(File(path).read(), text);
    }

    void emptyTextAndEmptyPathAreRefused()
    {
        TestFolder folder;
        const QString path = folder.file(QStringLiteral("keep.txt"));
        putBytes(path, "earlier");
        File file(path);
        QVERIFY(!file.write(QString()));
        QCOMPARE(file.errorText(), Vexal::LocaleCore::invalidData());
        QCOMPARE(rawBytes(path), QByteArray("earlier"));
        // A later success keeps the reason of the last failure.
        QVERIFY(file.write(QStringLiteral("later")));
        QCOMPARE(file.errorText(), Vexal::LocaleCore::invalidData());

        File noPath;
        QVERIFY(!noPath.write(QStringLiteral("x")));
        QCOMPARE(noPath.errorText(), Vexal::LocaleCore::emptyFileName());
        QCOMPARE(File().read(), QString());
    }

    void failedWritesReportFailure_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::newRow("directory at the path") << QStringLiteral("taken");
        QTest::newRow("missing folder") << QStringLiteral("nowhere/out.txt");
        QTest::newRow("file used as folder") << QStringLiteral("plain.txt/out.txt");
    }
    void failedWritesReportFailure()
    {
        QFETCH(QString, relative);
        TestFolder folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("taken")));
        putBytes(folder.file(QStringLiteral("plain.txt")), "plain");
        File file(folder.file(relative));
        QVERIFY(!file.write(QStringLiteral("text")));
        QVERIFY(!file.errorText().isEmpty());
        QVERIFY(QFileInfo(folder.file(QStringLiteral("taken"))).isDir());
        QCOMPARE(rawBytes(folder.file(QStringLiteral("plain.txt"))), QByteArray("plain"));
    }

    void writeErrorLeavesTheEarlierFileWhole()
    {
        TestFolder folder;
        const QString path = folder.file(QStringLiteral("console.html"));
        const QByteArray earlier("the earlier console");
        putBytes(path, earlier);
        File file(path);
        {
            FileSizeLimit limit(64 * 1024);
            QVERIFY(limit.ok());
            QVERIFY(!file.write(QString(256 * 1024, QLatin1Char('y'))));
        }
        QVERIFY(!file.errorText().isEmpty());
        QCOMPARE(rawBytes(path), earlier);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("console.html")});
        QVERIFY(file.write(QString(256 * 1024, QLatin1Char('y'))));
        QCOMPARE(rawBytes(path).size(), 256 * 1024);
    }

    void readFailures()
    {
        TestFolder folder;
        File missing(folder.file(QStringLiteral("missing.txt")));
        QCOMPARE(missing.read(), QString());
        QCOMPARE(missing.errorText(), Vexal::LocaleCore::fileMissing());

        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("dir")));
        File dir(folder.file(QStringLiteral("dir")));
        QCOMPARE(dir.read(), QString());
        QVERIFY(!dir.errorText().isEmpty());

        const QString emptyPath = folder.file(QStringLiteral("empty.txt"));
        putBytes(emptyPath, QByteArray());
        File empty(emptyPath);
        QCOMPARE(empty.read(), QString());
        QCOMPARE(empty.errorText(), QString());
    }

    void readsEncodings_data()
    {
        addColumns<QByteArray, QString>("bytes", "text");
        QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9\r\n") << QStringLiteral("caf\u00e9\r\n");
        QTest::newRow("utf-8 bom") << QByteArray("\xef\xbb\xbf" "caf\xc3\xa9") << QStringLiteral("caf\u00e9");
        QTest::newRow("utf-16le bom") << QByteArray("\xff\xfe" "c\0a\0f\0\xe9\0", 10) << QStringLiteral("caf\u00e9");
        QTest::newRow("windows-1252") << QByteArray("caf\xe9 \x80") << QStringLiteral("caf\u00e9 \u20ac");
    }
    void readsEncodings()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        TestFolder folder;
        const QString path = folder.file(QStringLiteral("in.txt"));
        putBytes(path, bytes);
        QCOMPARE(File(path).read(), text);
    }
};

TESVAR_TEST(FileTest)
#include "FileTest.moc"
