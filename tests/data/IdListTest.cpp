#include "TestDatabase.h"
#include "TestRunner.h"

#include "data/DBID.h"
#include "data/DBIDList.h"
#include "core/DBSql.h"

#include <QTest>

using namespace Vexal;

class IdListTest : public QObject
{
    Q_OBJECT
private slots:
    void listsTheIdsOfMatchingRows();
};

void IdListTest::listsTheIdsOfMatchingRows()
{
    TestDatabase db;
    QVERIFY(db.isOpen());
    QVERIFY(TestDatabase::exec(QStringLiteral(
        "INSERT INTO City (ID, Name, CountryID) VALUES (10, 'a', 4), (11, 'b', 5), (12, 'c', 4);")));

    DBIDList list(DBSql::tableCity(), QStringLiteral("CountryID=4"));
    QVERIFY2(list.load(), qPrintable(list.errorText()));
    QCOMPARE(list.count(), 2);
    QList<int> ids;
    for (int i = 0; i < list.count(); ++i) {
        DBID* record = list.at(i);
        QVERIFY(record);
        QVERIFY(record->name().isEmpty());
        QVERIFY(record->tableName().isEmpty());
        ids << record->id();
    }
    std::sort(ids.begin(), ids.end());
    QCOMPARE(ids, (QList<int>{10, 12}));
    QCOMPARE(list.firstOrCreate(), list.at(0));

    DBIDList none(DBSql::tableLastName(), QStringLiteral("LanguageID=3"));
    QVERIFY(none.load());
    QCOMPARE(none.count(), 0);
    DBID* made = none.firstOrCreate();
    QVERIFY(made);
    QCOMPARE(made->id(), -1);
    QCOMPARE(none.count(), 0);

    DBIDList bad(DBSql::tableFirstName(), QStringLiteral("NoSuchColumn=1"));
    QVERIFY(!bad.load());
    QCOMPARE(bad.count(), 0);
    QVERIFY(bad.errorText().contains(QStringLiteral("NoSuchColumn")));
    QVERIFY(bad.errorText().contains(QStringLiteral("SELECT ID FROM FirstName WHERE NoSuchColumn=1 ;")));
}

TESVAR_TEST(IdListTest)
#include "IdListTest.moc"
