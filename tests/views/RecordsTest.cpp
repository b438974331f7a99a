#include "FreshDatabaseTest.h"
#include "RecordCheck.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "core/UserData.h"
#include "data/DBConnection.h"
#include "core/DBSql.h"
#include "data/DBBookmark.h"
#include "data/DBBookmarkList.h"
#include "data/DBHistory.h"
#include "data/DBHistoryList.h"

#include <QAction>
#include <QMenu>
#include <QTest>
#include <QThread>

using namespace Vexal;

namespace {

QImage redSquare()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::red);
    return image;
}

} // namespace

class RecordsTest : public FreshDatabaseTest
{
    Q_OBJECT
private slots:
    void newRecordsAndLimits();
    void historyTimeIsStoredAsComparableText();
    void unreadableIconsReadAsNull();
    void bookmarkMenuEntries();
    void recordsWorkOnJobThreads();
};

void RecordsTest::newRecordsAndLimits()
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    DBHistory history;
    QCOMPARE(history.id(), -1);
    QVERIFY(history.createDate() >= before && history.createDate() <= QDateTime::currentDateTime());

    RecordCheck::textLimit(&DBHistory::setTitle, &DBHistory::title, 128);
    RecordCheck::textLimit(&DBHistory::setUrl, &DBHistory::url, 1024);
    RecordCheck::textLimit(&DBBookmark::setTitle, &DBBookmark::title, 128);
    RecordCheck::textLimit(&DBBookmark::setUrl, &DBBookmark::url, 1024);

    // A fresh record saved as it is stores its construction time and icon.
    QVERIFY2(history.save(), qPrintable(history.errorText()));
    DBHistory loaded;
    QVERIFY(loaded.load(history.id()));
    QCOMPARE(loaded.createDate(), history.createDate());
    QVERIFY(!loaded.icon().isNull());

    // Texts read from the database are taken as they stand.
    QVERIFY(TestDatabase::exec(QStringLiteral("UPDATE History SET Title = '%1' WHERE ID = %2")
                                   .arg(QString(300, QLatin1Char('t')))
                                   .arg(history.id())));
    QVERIFY(loaded.load(history.id()));
    QCOMPARE(loaded.title().size(), 300);
}

void RecordsTest::historyTimeIsStoredAsComparableText()
{
    DBHistory history;
    history.setCreateDate(QDateTime(QDate(2020, 12, 31), QTime(23, 59, 58, 999)));
    QVERIFY(history.save());
    QCOMPARE(TestDatabase::value(QStringLiteral("SELECT CreateDate FROM History")).toString(),
             QStringLiteral("2020-12-31T23:59:58"));
    QCOMPARE(TestDatabase::value(QStringLiteral("SELECT COUNT(*) FROM History WHERE CreateDate < '2021-01-01'")).toInt(), 1);
    QCOMPARE(TestDatabase::value(QStringLiteral("SELECT COUNT(*) FROM History WHERE CreateDate < '2020-12-31'")).toInt(), 0);

    // Qt's own form with milliseconds, as other tools may have written it.
    QVERIFY(TestDatabase::exec(QStringLiteral("UPDATE History SET CreateDate = '2019-05-06T07:08:09.123'")));
    DBHistory loaded;
    QVERIFY(loaded.load(history.id()));
    QCOMPARE(loaded.createDate().date(), QDate(2019, 5, 6));
    QCOMPARE(loaded.createDate().time().second(), 9);
}

void RecordsTest::unreadableIconsReadAsNull()
{
    const QStringList icons = {QStringLiteral("NULL"), QStringLiteral("X''"), QStringLiteral("X'0102030405'"),
                               QStringLiteral("'not an image'")};
    for (const QString& icon : icons) {
        QVERIFY(TestDatabase::exec(QStringLiteral("DELETE FROM Bookmark")));
        QVERIFY(TestDatabase::exec(
            QStringLiteral("INSERT INTO Bookmark (ID, Name, Comments, Icon, Title, URL, Visible) "
                           "VALUES (5, 'b', '', %1, 't', 'u', 7)")
                .arg(icon)));
        DBBookmark bookmark;
        QVERIFY2(bookmark.load(5), qPrintable(bookmark.errorText()));
        QVERIFY2(bookmark.icon().isNull(), qPrintable(icon));
        QVERIFY(bookmark.iconAsIcon().isNull());
        QVERIFY(bookmark.isVisible());
    }
}

void RecordsTest::bookmarkMenuEntries()
{
    const QList<QPair<QString, QString>> rows = {{QString(), QString()},
                                                 {QString(40, QLatin1Char('t')), QStringLiteral("http://a.example/")}};
    for (const auto& row : rows) {
        DBBookmark bookmark;
        bookmark.setTitle(row.first);
        bookmark.setUrl(row.second);
        QVERIFY(bookmark.save());
    }
    DBBookmarkList list;
    QVERIFY(list.load());
    QMenu menu;
    QAction* fixed = menu.addAction(QStringLiteral("Fixed"));

    QAction* untitled = list.addMenuItem(0, &menu);
    QVERIFY(untitled);
    QCOMPARE(untitled->text(), QStringLiteral("Untitled"));
    QCOMPARE(untitled->data(), QVariant(QString()));
    QVERIFY(UserData::isAttached(untitled));
    QCOMPARE(UserData::of(untitled).value(), -1);
    QVERIFY(!UserData::isAttached(fixed));

    QAction* longTitle = list.addMenuItem(1, &menu);
    QCOMPARE(longTitle->text(), QString(32, QLatin1Char('t')) + QStringLiteral("..."));
    QCOMPARE(longTitle->data().toString(), QStringLiteral("http://a.example/"));
    QCOMPARE(longTitle->toolTip(), QString(40, QLatin1Char('t')) + QStringLiteral("\nhttp://a.example/"));
    QCOMPARE(list.at(1)->elidedTitle(), longTitle->text());

    QVERIFY(!list.addMenuItem(2, &menu));
    QVERIFY(!list.addMenuItem(0, nullptr));
    QCOMPARE(menu.actions().size(), 3);
}

// The exchange jobs read and write these records on their own threads, where
// pixmaps must not be made.
void RecordsTest::recordsWorkOnJobThreads()
{
    DBBookmark bookmark;
    bookmark.setIconImage(redSquare());
    QVERIFY(bookmark.save());

    static QStringList pixmapWarnings;
    pixmapWarnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
        if (text.contains(QLatin1String("QPixmap")))
            pixmapWarnings << text;
    });
    bool loaded = false;
    QSize iconSize;
    bool saved = false;
    QThread* job = QThread::create([&] {
        {
            DBBookmarkList list;
            loaded = list.load() && list.count() == 1;
            if (loaded)
                iconSize = list.at(0)->iconImage().size();
            DBHistory visit;
            visit.setTitle(QStringLiteral("from a job"));
            saved = visit.save();
        }
        DBConnection::releaseThreadConnection();
    });
    job->start();
    QVERIFY(job->wait(10000));
    delete job;
    qInstallMessageHandler(previous);

    QVERIFY(loaded);
    QCOMPARE(iconSize, QSize(16, 16));
    QVERIFY(saved);
    QVERIFY(pixmapWarnings.isEmpty());
    DBHistoryList history;
    QVERIFY(history.load());
    QCOMPARE(history.count(), 1);
    QVERIFY(!history.at(0)->icon().isNull());
}

TESVAR_TEST(RecordsTest)
#include "RecordsTest.moc"
