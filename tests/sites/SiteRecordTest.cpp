#include "RecordCheck.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "sites/DBAddress.h"
#include "sites/DBCity.h"
#include "sites/DBCityList.h"
#include "sites/DBCountry.h"
#include "sites/DBFirstNameList.h"
#include "sites/DBOnlineTool.h"
#include "sites/DBRank.h"
#include "sites/DBRankList.h"

#include <QTest>

using namespace Vexal;

namespace {

const QString hostile = QStringLiteral("{a'b%_\\} ; DROP TABLE Rank; -- \u4E2D");

bool saveRank(const QString& host, const QDate& date, int google)
{
    DBRank rank;
    rank.setName(QStringLiteral("Rank"));
    rank.setHost(host);
    rank.setCreateDate(date);
    rank.setGoogle(google);
    return rank.save();
}

} // namespace

class SiteRecordTest : public QObject
{
    Q_OBJECT
private slots:
    void limitsAndRankDates();
    void rankLookupByHostAndDay();
    void emptyListsCreateForTheirOwner();
};

void SiteRecordTest::limitsAndRankDates()
{
    TestDatabase db;

    RecordCheck::textLimit(&DBRank::setHost, &DBRank::host, 128);
    RecordCheck::textLimit(&DBOnlineTool::setUrl, &DBOnlineTool::url, 1024);
    RecordCheck::textLimit(&DBCountry::setCode, &DBCountry::code, 128);
    RecordCheck::textLimit(&DBCity::setProvince, &DBCity::province, 128);
    RecordCheck::textLimit(&DBAddress::setDetails, &DBAddress::details, 128);

    // A rank date is stored as "yyyy-MM-dd"; a new rank without one stores NULL.
    QVERIFY(saveRank(QStringLiteral("example.com"), QDate(2020, 1, 2), 1));
    QCOMPARE(TestDatabase::value(QStringLiteral("SELECT CreateDate FROM Rank")).toString(),
             QStringLiteral("2020-01-02"));
    DBRank undated;
    QVERIFY(undated.save());
    DBRank loaded;
    QVERIFY(loaded.load(undated.id()));
    QVERIFY(loaded.createDate().isNull());
}

void SiteRecordTest::rankLookupByHostAndDay()
{
    TestDatabase db;

    const QDate today(2024, 6, 1);
    const QString longHost = QString(200, QLatin1Char('h'));
    const QStringList hosts = {QStringLiteral("example.com"), hostile, QStringLiteral("%"), longHost};
    for (const QString& host : hosts) {
        QVERIFY(saveRank(host, today, 3));
        QVERIFY(saveRank(host, today.addDays(-1), 2));
    }
    QVERIFY(saveRank(QStringLiteral("example.org"), today, 5));

    for (const QString& host : hosts) {
        DBRankList list(host, today);
        QVERIFY2(list.load(), qPrintable(list.errorText()));
        QCOMPARE(list.count(), 1);
        QCOMPARE(list.at(0)->google(), 3);
        QCOMPARE(list.firstOrCreate(), list.at(0));
    }

    DBRankList fresh(QStringLiteral("new.example.com"), today);
    QVERIFY(fresh.load());
    QCOMPARE(fresh.count(), 0);
    DBRank* created = fresh.firstOrCreate();
    QCOMPARE(created->id(), -1);
    QCOMPARE(created->host(), QStringLiteral("new.example.com"));
    QCOMPARE(created->createDate(), today);
    created->setGoogle(4);
    QVERIFY2(fresh.saveAll(), qPrintable(fresh.errorText()));

    DBRankList again(QStringLiteral("new.example.com"), today);
    QVERIFY(again.load());
    QCOMPARE(again.count(), 1);
    QCOMPARE(again.at(0)->google(), 4);
}

// The lists by owner are read through the combo boxes of the identity
// journals; a list that finds nothing creates a record of its owner.
void SiteRecordTest::emptyListsCreateForTheirOwner()
{
    TestDatabase db;
    DBCityList none(9);
    QVERIFY(none.load());
    QCOMPARE(none.firstOrCreate()->countryId(), 9);
    DBFirstNameList noNames(5, false);
    QVERIFY(noNames.load());
    QCOMPARE(noNames.firstOrCreate()->languageId(), 5);
    QVERIFY(!noNames.firstOrCreate()->gender());
}

TESVAR_TEST(SiteRecordTest)
#include "SiteRecordTest.moc"
