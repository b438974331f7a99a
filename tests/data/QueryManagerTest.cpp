#include "TestData.h"
#include "TestDatabase.h"
#include "TestRows.h"
#include "TestRunner.h"

#include "data/DBQueryManager.h"
#include "core/DBSql.h"

#include <QSqlQuery>
#include <QTest>

using namespace Vexal;

namespace {

bool addHistory(const QString& createDate, const QString& url = QStringLiteral("http://example.com/"))
{
    return addRow(QStringLiteral("History"), {{"Name", "h"}, {"URL", url}, {"CreateDate", createDate}}) > 0;
}

QStringList historyUrls()
{
    return columnValues(QStringLiteral("SELECT URL FROM History ORDER BY URL;"));
}

QStringList activeIds(const QString& table)
{
    return columnValues(QStringLiteral("SELECT ID FROM %1 WHERE Active = 1 ORDER BY ID;").arg(table));
}

const QDateTime noon(QDate(2024, 3, 10), QTime(12, 0, 0));

} // namespace

class QueryManagerTest : public QObject
{
    Q_OBJECT
private slots:
    void bookmarksVisibleUpdatesExactlyTheIds();
    void deleteHistoryBeforeKeepsTheBoundaryDay();
    void clearHistoryByPeriod_data();
    void clearHistoryByPeriod();
    void clearHistoryUrlIsALiteralValue();
    void clearHistoryUrlWithNulMatchesItWhole();
    void activeSwitchLeavesExactlyOne();
    void lookupsBindTextsAndTellFailures();
};

void QueryManagerTest::bookmarksVisibleUpdatesExactlyTheIds()
{
    TestDatabase db;
    for (int id : {3, 5, 8, 9})
        QVERIFY(addRow(QStringLiteral("Bookmark"), {{"ID", id}, {"Name", "b"}, {"Visible", 1}}) > 0);

    DBQueryManager manager;
    QVERIFY2(manager.setBookmarksVisible({3, 8}, false), qPrintable(manager.errorText()));
    QCOMPARE(TestDatabase::value(QStringLiteral("SELECT group_concat(ID) FROM Bookmark WHERE Visible = 0")).toString(),
             QStringLiteral("3,8"));
    QVERIFY(manager.setBookmarksVisible({8}, true));
    QCOMPARE(TestDatabase::value(QStringLiteral("SELECT group_concat(ID) FROM Bookmark WHERE Visible = 0")).toString(),
             QStringLiteral("3"));
}

void QueryManagerTest::deleteHistoryBeforeKeepsTheBoundaryDay()
{
    TestDatabase db;
    QVERIFY(addHistory(QStringLiteral("2024-03-02T23:59:59"), QStringLiteral("old")));
    QVERIFY(addHistory(QStringLiteral("2024-03-02T23:59:59.000"), QStringLiteral("old-ms")));
    QVERIFY(addHistory(QStringLiteral("2024-03-03T00:00:00"), QStringLiteral("boundary")));
    QVERIFY(addHistory(QStringLiteral("2024-03-10T09:00:00"), QStringLiteral("today")));

    DBQueryManager manager;
    QVERIFY(manager.deleteHistoryBefore(7, QDate(2024, 3, 10)));
    QCOMPARE(historyUrls(), (QStringList{QStringLiteral("boundary"), QStringLiteral("today")}));
    QVERIFY(manager.deleteHistoryBefore(0, QDate(2024, 3, 10)));
    QCOMPARE(historyUrls(), QStringList{QStringLiteral("today")});
}

void QueryManagerTest::clearHistoryByPeriod_data()
{
    addColumns<int, int, bool, QString>("period", "hours", "result", "kept");
    QTest::newRow("last hour") << 0 << 0 << true << QStringLiteral("1,2,3,4,5,6");
    QTest::newRow("two hours") << 1 << 0 << true << QStringLiteral("1,2,3,4,5");
    QTest::newRow("four hours") << 2 << 0 << true << QStringLiteral("1,2,3,4");
    QTest::newRow("today") << 3 << 0 << true << QStringLiteral("1,2");
    QTest::newRow("everything") << 4 << 0 << true << QStringLiteral("1");
    QTest::newRow("six hours") << 5 << 6 << true << QStringLiteral("1,2,3");
    QTest::newRow("unknown") << 9 << 0 << false << QStringLiteral("1,2,3,4,5,6,7,8");
}

void QueryManagerTest::clearHistoryByPeriod()
{
    QFETCH(int, period);
    QFETCH(int, hours);
    QFETCH(bool, result);
    QFETCH(QString, kept);
    TestDatabase db;
    const QStringList dates = {QStringLiteral("2014-03-09T00:00:00"), QStringLiteral("2024-03-09T23:00:00"),
                               QStringLiteral("2024-03-10T05:59:59"), QStringLiteral("2024-03-10T06:00:00"),
                               QStringLiteral("2024-03-10T08:30:00"), QStringLiteral("2024-03-10T10:30:00"),
                               QStringLiteral("2024-03-10T11:00:00.000"), QStringLiteral("2024-03-10T11:30:00")};
    for (int i = 0; i < dates.size(); ++i)
        QVERIFY(addHistory(dates.at(i), QString::number(i + 1)));

    DBQueryManager manager;
    QCOMPARE(manager.clearHistory(period, hours, QString(), noon), result);
    QCOMPARE(manager.lastFailed(), !result);
    QCOMPARE(historyUrls().join(QLatin1Char(',')), kept);
}

void QueryManagerTest::clearHistoryUrlIsALiteralValue()
{
    TestDatabase db;
    const QString today = QStringLiteral("2024-03-10T11:30:00");
    QVERIFY(addHistory(today, QStringLiteral("http://news.example/a")));
    QVERIFY(addHistory(today, QStringLiteral("http://NEWS.example/b")));
    QVERIFY(addHistory(today, QStringLiteral("http://other.example/c'%_@")));
    QVERIFY(addHistory(today, QStringLiteral("http://other.example/d")));
    QVERIFY(addHistory(QStringLiteral("2024-03-09T11:30:00"), QStringLiteral("http://news.example/old")));

    DBQueryManager manager;
    QVERIFY2(manager.clearHistory(DBQueryManager::PeriodToday, 0, QStringLiteral("news"), noon),
             qPrintable(manager.errorText()));
    QCOMPARE(historyUrls(), (QStringList{QStringLiteral("http://news.example/old"),
                                         QStringLiteral("http://other.example/c'%_@"),
                                         QStringLiteral("http://other.example/d")}));

    // Read as SQL wildcards (or "@" as "%"), this text would match every row.
    QVERIFY2(manager.clearHistory(DBQueryManager::PeriodToday, 0, QStringLiteral("'%_@"), noon),
             qPrintable(manager.errorText()));
    QCOMPARE(historyUrls(),
             (QStringList{QStringLiteral("http://news.example/old"), QStringLiteral("http://other.example/d")}));
    QVERIFY(manager.clearHistory(DBQueryManager::PeriodToday, 0, QStringLiteral("x' OR 1=1 --"), noon));
    QCOMPARE(historyUrls().size(), 2);
}

void QueryManagerTest::clearHistoryUrlWithNulMatchesItWhole()
{
    TestDatabase db;
    const QString today = QStringLiteral("2024-03-10T11:30:00");
    const QChar nul(0);
    const QString withNul = QStringLiteral("http://a.example/x") + nul + QStringLiteral("y");
    QVERIFY(addHistory(today, QStringLiteral("http://a.example/")));
    QVERIFY(addHistory(today, QStringLiteral("http://news.example/a")));
    QVERIFY(addHistory(today, withNul));
    const QStringList all = historyUrls();

    // SQLite's LIKE stops reading at a NUL: "%<NUL>%" would be "%", and
    // "a<NUL>zzz" would be "%a", matching far more than was typed.
    DBQueryManager manager;
    for (const QString& typed : {QString(QStringLiteral("a") + nul + QStringLiteral("zzz")), QString(nul + QString(nul))}) {
        QVERIFY2(manager.clearHistory(DBQueryManager::PeriodEverything, 0, typed, noon),
                 qPrintable(manager.errorText()));
        QCOMPARE(historyUrls(), all);
    }
    const QStringList withoutNul = {QStringLiteral("http://a.example/"), QStringLiteral("http://news.example/a")};
    QVERIFY2(manager.clearHistory(DBQueryManager::PeriodEverything, 0, QString(nul), noon),
             qPrintable(manager.errorText()));
    QCOMPARE(historyUrls(), withoutNul);

    // A NUL within the text is matched with the rest of it, ASCII case
    // ignored as elsewhere.
    QVERIFY(addHistory(today, withNul));
    QVERIFY2(manager.clearHistory(DBQueryManager::PeriodEverything, 0, QStringLiteral("X") + nul + QStringLiteral("Y"),
                                  noon),
             qPrintable(manager.errorText()));
    QCOMPARE(historyUrls(), withoutNul);
}

void QueryManagerTest::activeSwitchLeavesExactlyOne()
{
    TestDatabase db;
    for (int id : {1, 2, 3}) {
        QVERIFY(addRow(QStringLiteral("Project"), {{"ID", id}, {"Name", "p"}, {"Active", int(id != 2)}}) > 0);
        QVERIFY(addRow(QStringLiteral("MasterAccount"), {{"ID", id}, {"Name", "m"}, {"Active", 0}}) > 0);
    }

    DBQueryManager manager;
    QVERIFY2(manager.setActiveProject(2), qPrintable(manager.errorText()));
    QCOMPARE(activeIds(DBSql::tableProject()), QStringList{"2"});
    QVERIFY(manager.setActiveProject(2));
    QCOMPARE(activeIds(DBSql::tableProject()), QStringList{"2"});

    QVERIFY(manager.setActiveMasterAccount(3));
    QCOMPARE(activeIds(DBSql::tableMasterAccount()), QStringList{"3"});

    // Inside a caller's transaction the switch nests and commits with it.
    QVERIFY(db.database().transaction());
    QVERIFY(manager.setActiveProject(1));
    QVERIFY(db.database().commit());
    QCOMPARE(activeIds(DBSql::tableProject()), QStringList{"1"});
    QVERIFY(!manager.lastFailed());

    // A failed switch changes nothing.
    QVERIFY(!manager.setActiveProject(99));
    QVERIFY(manager.lastFailed());
    QVERIFY(manager.errorText().contains(QStringLiteral("The result set is empty.")));
    QVERIFY(manager.errorText().contains(QStringLiteral("WHERE ID = 99;")));
    QCOMPARE(activeIds(DBSql::tableProject()), QStringList{"1"});

    QVERIFY(!manager.setActiveMasterAccount(-1));
    QCOMPARE(activeIds(DBSql::tableMasterAccount()), QStringList{"3"});

    // The second statement fails after the first has cleared every row.
    QVERIFY(TestDatabase::exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE OF Active ON Project "
                                              "WHEN NEW.ID = 3 AND NEW.Active = 1 "
                                              "BEGIN SELECT RAISE(ABORT, 'refused by trigger'); END;")));
    QVERIFY(!manager.setActiveProject(3));
    QVERIFY(manager.errorText().contains(QStringLiteral("refused by trigger")));
    QCOMPARE(activeIds(DBSql::tableProject()), QStringList{"1"});

    // The connection is usable afterwards: no savepoint was left open.
    QVERIFY(manager.setActiveProject(2));
    QCOMPARE(activeIds(DBSql::tableProject()), QStringList{"2"});
    QVERIFY(db.database().transaction());
    QVERIFY(db.database().rollback());
}

void QueryManagerTest::lookupsBindTextsAndTellFailures()
{
    TestDatabase db;
    QVERIFY(addRow(QStringLiteral("Word"), {{"ID", 7}, {"Name", "don't"}, {"LanguageID", 1}}) > 0);
    QVERIFY(addRow(QStringLiteral("Synonym"), {{"Name", "l'eau"}, {"WordID", 7}}) > 0);
    QVERIFY(addRow(QStringLiteral("Account"), {{"Name", "a"}, {"ProjectID", 1}, {"WebsiteID", 17}}) > 0);
    QVERIFY(addRow(QStringLiteral("Website"), {{"ID", 12}, {"Name", "w"}}) > 0);

    DBQueryManager manager;
    QVERIFY(manager.findWordId(QStringLiteral("don't"), 1));
    QVERIFY(!manager.findWordId(QStringLiteral("don't"), 2));
    QVERIFY(!manager.findWordId(QStringLiteral("x' OR '1'='1"), 1));
    QVERIFY(manager.findSynonymId(QStringLiteral("l'eau"), 7));
    QVERIFY(!manager.findSynonymId(QStringLiteral("l'eau"), 8));
    QVERIFY(manager.findAccountId(17));
    QVERIFY(!manager.findAccountId(18));
    QVERIFY(!manager.lastFailed());
    QVERIFY(manager.errorText().isEmpty());

    QVERIFY(manager.exists(12, DBSql::tableWebsite()));
    QVERIFY(!manager.exists(13, DBSql::tableWebsite()));
    QVERIFY(!manager.lastFailed());

    // A table text that is no table fails (it is never read as "no such row").
    QVERIFY(!manager.exists(12, QStringLiteral("Website WHERE 1=1 OR ID")));
    QVERIFY(manager.lastFailed());
    QVERIFY(manager.errorText().startsWith(QStringLiteral("SQL Query failed. Error: ")));
    const QString failure = manager.errorText();
    QVERIFY(manager.exists(12, DBSql::tableWebsite()));
    QVERIFY(!manager.lastFailed());
    QCOMPARE(manager.errorText(), failure);
}

TESVAR_TEST(QueryManagerTest)
#include "QueryManagerTest.moc"
