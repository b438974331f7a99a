#include "TestData.h"
#include "TestDatabase.h"
#include "TestRows.h"
#include "TestRunner.h"

#include "data/DBAccount.h"
#include "data/DBAccountList.h"
#include "data/DBCategory.h"
#include "data/DBCategoryList.h"
#include "data/DBDirectoryList.h"
#include "data/DBMasterAccountList.h"
#include "data/DBProject.h"
#include "data/DBProjectList.h"
#include "data/DBSocialBookmarkList.h"
#include "core/DBSql.h"
#include "data/DBWebsite.h"
#include "data/DBWebsiteList.h"

#include <QTest>

using namespace Vexal;

namespace {

int addWebsite(const QString& name, int type, const QString& host)
{
    return addRow(QStringLiteral("Website"), {{"Name", name}, {"Type", type}, {"Host", host}});
}

QStringList names(const DBListBase& list)
{
    QStringList result;
    for (int i = 0; i < list.count(); ++i)
        result << list.at(i)->name();
    result.sort();
    return result;
}

} // namespace

class TypedListTest : public QObject
{
    Q_OBJECT
private slots:
    void listsLoadTheRowsOfTheirOwner();
    void websitesByHost_data();
    void websitesByHost();
    void hostileHostTextIsOnlyAValue();
    void typedAccessIsCheckedAndNeverCasts();
};

// Each list's condition against one set of rows; a list that finds nothing
// creates a new record of its owner, one that finds rows hands out the first.
void TypedListTest::listsLoadTheRowsOfTheirOwner()
{
    TestDatabase db;
    QVERIFY(addWebsite(QStringLiteral("mail"), 4, QString()) > 0);
    QVERIFY(addWebsite(QStringLiteral("blog"), 16, QString()) > 0);
    QVERIFY(addWebsite(QStringLiteral("both"), 4 | 32, QString()) > 0);
    for (const char* statement :
         {"INSERT INTO Account (Name, ProjectID, WebsiteID) VALUES ('a', 3, 17), ('b', 3, 18), ('c', 4, 17)",
          "INSERT INTO MasterAccount (Name, Active) VALUES ('x', 0), ('y', 1), ('z', 0)",
          "INSERT INTO Category (Name, MasterID) VALUES ('b', 12), ('a', 12), ('c', -1)",
          "INSERT INTO Directory (Name, ProjectID) VALUES ('d', 5)",
          "INSERT INTO SocialBookmark (Name, ProjectID) VALUES ('s', 6)"})
        QVERIFY(TestDatabase::exec(QLatin1String(statement)));

    struct Case
    {
        DBListBase* list;
        QStringList names; // sorted
    };
    QObject owner;
    const QList<Case> cases = {
        {new DBWebsiteList(4, &owner), {QStringLiteral("both"), QStringLiteral("mail")}},
        {new DBWebsiteList(16 | 32, &owner), {QStringLiteral("blog"), QStringLiteral("both")}},
        {new DBWebsiteList(0, &owner), {}},
        {new DBWebsiteList(&owner), {QStringLiteral("blog"), QStringLiteral("both"), QStringLiteral("mail")}},
        {new DBAccountList(3, 17, &owner), {QStringLiteral("a")}},
        {new DBAccountList(3, &owner), {QStringLiteral("a"), QStringLiteral("b")}},
        {new DBMasterAccountList(false, &owner), {QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")}},
        {new DBMasterAccountList(true, &owner), {QStringLiteral("y")}},
        {new DBCategoryList(12, &owner), {QStringLiteral("a"), QStringLiteral("b")}},
        {new DBCategoryList(-1, &owner), {QStringLiteral("c")}},
        {new DBDirectoryList(5, &owner), {QStringLiteral("d")}},
        {new DBSocialBookmarkList(5, &owner), {}},
    };
    for (const Case& c : cases) {
        QVERIFY2(c.list->load(), qPrintable(c.list->errorText()));
        QCOMPARE(names(*c.list), c.names);
    }

    DBAccountList missing(3, 99);
    QVERIFY(missing.load());
    DBAccount* account = missing.firstOrCreate();
    QCOMPARE(account->projectId(), 3);
    QCOMPARE(account->websiteId(), -1);
    QCOMPARE(DBStateProbe::state(account), int(DBBase::StateNew));
    QCOMPARE(missing.at(0), account);
    DBSocialBookmarkList bookmarks(5);
    QVERIFY(bookmarks.load());
    QCOMPARE(bookmarks.firstOrCreate()->projectId(), 5);
    DBWebsiteList sites(8);
    QVERIFY(sites.load());
    QCOMPARE(sites.firstOrCreate()->type(), 8);
    DBMasterAccountList active(true);
    QVERIFY(active.load());
    QCOMPARE(active.firstOrCreate(), active.at(0));
    QCOMPARE(active.count(), 1);
}

void TypedListTest::websitesByHost_data()
{
    addColumns<QString, bool>("host", "found");
    QTest::newRow("exact") << QStringLiteral("example.com") << true;
    QTest::newRow("second host") << QStringLiteral("www.example.com") << true;
    QTest::newRow("ascii case") << QStringLiteral("EXAMPLE.com") << true;
    QTest::newRow("sub-domain") << QStringLiteral("sub.example.com") << false;
    QTest::newRow("part") << QStringLiteral("example") << false;
    QTest::newRow("braceless row") << QStringLiteral("plain.org") << false;
}

void TypedListTest::websitesByHost()
{
    QFETCH(QString, host);
    QFETCH(bool, found);
    TestDatabase db;
    const int id = addWebsite(QStringLiteral("site"), 4, QStringLiteral("{example.com}{www.example.com}"));
    QVERIFY(addWebsite(QStringLiteral("plain"), 4, QStringLiteral("plain.org")) > 0);

    DBWebsiteList list(host);
    QVERIFY2(list.load(), qPrintable(list.errorText()));
    QCOMPARE(list.count(), found ? 1 : 0);
    if (found)
        QCOMPARE(list.at(0)->id(), id);
}

void TypedListTest::hostileHostTextIsOnlyAValue()
{
    TestDatabase db;
    const QStringList hosts = {QStringLiteral("it's.example"), QStringLiteral("a%b.example"),
                               QStringLiteral("a_b.example"), QStringLiteral("user@host.example"),
                               QStringLiteral("x') OR 1=1 --"), QStringLiteral("back\\slash"),
                               // LIKE stops reading both of its texts at a NUL: such a host is matched whole.
                               QString(QChar(0)), QString(QStringLiteral("nul") + QChar(0) + QStringLiteral(".example"))};
    QList<int> ids;
    for (const QString& host : hosts)
        ids << addWebsite(host, 4, QString(QLatin1Char('{') + host + QLatin1Char('}')));
    // Rows that a wildcard reading of % and _ (or @ as %) would also match.
    QVERIFY(addWebsite(QStringLiteral("decoy1"), 4, QStringLiteral("{aXYZb.example}")) > 0);
    QVERIFY(addWebsite(QStringLiteral("decoy2"), 4, QStringLiteral("{aQb.example}")) > 0);
    QVERIFY(addWebsite(QStringLiteral("decoy3"), 4, QStringLiteral("{userXXhost.example}")) > 0);
    QVERIFY(addWebsite(QStringLiteral("decoy4"), 4, QStringLiteral("{nul.example}")) > 0);

    for (int i = 0; i < hosts.size(); ++i) {
        DBWebsiteList list(hosts.at(i));
        QVERIFY2(list.load(), qPrintable(list.errorText()));
        QCOMPARE(list.count(), 1);
        QCOMPARE(list.at(0)->id(), ids.at(i));
    }
    QCOMPARE(TestDatabase::rowCount(DBSql::tableWebsite()), hosts.size() + 4);
}

// Every list class gets at() and findById() from one place; one list stands
// for all of them.
void TypedListTest::typedAccessIsCheckedAndNeverCasts()
{
    TestDatabase db;
    for (const QString& name : {QStringLiteral("one"), QStringLiteral("two")}) {
        DBProject project;
        project.setName(name);
        QVERIFY2(project.save(), qPrintable(project.errorText()));
    }
    DBProjectList list(false);
    QVERIFY(list.load());
    QCOMPARE(list.count(), 2);
    for (int index : {-1, 2, 1000})
        QVERIFY2(!list.at(index), qPrintable(QString::number(index)));
    QCOMPARE(list.findById(list.at(1)->id()), list.at(1));
    QVERIFY(!list.findById(9999));

    // A record of another class is held but never handed out as a project.
    auto* stranger = new DBCategory;
    list.append(stranger);
    QCOMPARE(list.count(), 3);
    QCOMPARE(list.DBListBase::at(2), stranger);
    QVERIFY(!list.at(2));
    QCOMPARE(stranger->id(), -1);
    QVERIFY(!list.findById(-1));
}

TESVAR_TEST(TypedListTest)
#include "TypedListTest.moc"
