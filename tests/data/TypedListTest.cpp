#include "TestDatabase.h"
#include "TestRunner.h"

#include "data/DBAccount.h"
#include "data/DBAccountList.h"
#include "data/DBCategory.h"
#include "data/DBCategoryList.h"
#include "data/DBDirectory.h"
#include "data/DBDirectoryList.h"
#include "data/DBMasterAccount.h"
#include "data/DBMasterAccountList.h"
#include "data/DBSocialBookmark.h"
#include "data/DBSocialBookmarkList.h"
#include "core/DBSql.h"
#include "data/DBWebsite.h"
#include "data/DBWebsiteList.h"

#include <QTest>

using namespace Vexal;

namespace {

int addWebsite(const QString& name, int type, const QString& host)
{
    DBWebsite site;
    site.setName(name);
    site.setType(type);
    site.setHost(host);
    return site.save() ? site.id() : -1;
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
    void websitesByTypeFlags();
    void websitesByHost_data();
    void websitesByHost();
    void hostileHostTextIsOnlyAValue();
    void accountListModes();
    void masterAccountsAllOrActive();
    void categoriesUnderMaster();
    void projectListsAndFirstOrCreate();
};

void TypedListTest::websitesByTypeFlags()
{
    TestDatabase db;
    QVERIFY(db.isOpen());
    QVERIFY(addWebsite(QStringLiteral("mail"), 4, QString()) > 0);
    QVERIFY(addWebsite(QStringLiteral("blog"), 16, QString()) > 0);
    QVERIFY(addWebsite(QStringLiteral("both"), 4 | 32, QString()) > 0);

    DBWebsiteList email(4);
    QCOMPARE(email.whereText(), QStringLiteral("Type & 4 != 0"));
    QVERIFY2(email.load(), qPrintable(email.errorText()));
    QCOMPARE(names(email), (QStringList{QStringLiteral("both"), QStringLiteral("mail")}));

    DBWebsiteList any(16 | 32);
    QVERIFY(any.load());
    QCOMPARE(names(any), (QStringList{QStringLiteral("blog"), QStringLiteral("both")}));

    DBWebsiteList none(0);
    QVERIFY(none.load());
    QCOMPARE(none.count(), 0);

    DBWebsiteList all;
    QVERIFY(all.load());
    QCOMPARE(all.count(), 3);
}

void TypedListTest::websitesByHost_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<bool>("found");
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
    QVERIFY(db.isOpen());
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
    QVERIFY(db.isOpen());
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

void TypedListTest::accountListModes()
{
    TestDatabase db;
    QVERIFY(db.isOpen());
    const int rows[][2] = {{3, 17}, {3, 18}, {4, 17}};
    for (const auto& row : rows) {
        DBAccount account;
        account.setProjectId(row[0]);
        account.setWebsiteId(row[1]);
        QVERIFY2(account.save(), qPrintable(account.errorText()));
    }

    DBAccountList onSite(3, 17);
    QCOMPARE(onSite.whereText(), QStringLiteral("ProjectID = 3 AND WebsiteID = 17"));
    QVERIFY(onSite.load());
    QCOMPARE(onSite.count(), 1);
    QCOMPARE(onSite.at(0)->websiteId(), 17);

    DBAccountList ofProject(3);
    QCOMPARE(ofProject.whereText(), QStringLiteral("ProjectID = 3"));
    QVERIFY(ofProject.load());
    QCOMPARE(ofProject.count(), 2);
    QVERIFY(!ofProject.at(2));
    QVERIFY(!ofProject.at(-1));

    DBAccountList missing(3, 99);
    QVERIFY(missing.load());
    DBAccount* created = missing.firstOrCreate();
    QVERIFY(created);
    QCOMPARE(created->projectId(), 3);
    QCOMPARE(created->websiteId(), -1);
    QCOMPARE(created->id(), -1);
    QCOMPARE(DBStateProbe::state(created), int(DBBase::StateNew));
    QCOMPARE(missing.count(), 1);
    QCOMPARE(missing.at(0), created);
    QCOMPARE(missing.findById(-1), created);
}

void TypedListTest::masterAccountsAllOrActive()
{
    TestDatabase db;
    QVERIFY(db.isOpen());
    for (bool active : {false, true, false}) {
        DBMasterAccount account;
        account.setActive(active);
        QVERIFY2(account.save(), qPrintable(account.errorText()));
    }
    DBMasterAccountList all(false);
    QVERIFY(all.load());
    QCOMPARE(all.count(), 3);
    DBMasterAccountList active(true);
    QVERIFY(active.load());
    QCOMPARE(active.count(), 1);
    QVERIFY(active.at(0)->isActive());
    QCOMPARE(active.firstOrCreate(), active.at(0));
    QCOMPARE(active.count(), 1);
}

void TypedListTest::categoriesUnderMaster()
{
    TestDatabase db;
    QVERIFY(db.isOpen());
    const QStringList categoryNames = {QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("c")};
    const int masters[] = {12, 12, -1};
    for (int i = 0; i < 3; ++i) {
        DBCategory category;
        category.setName(categoryNames.at(i));
        category.setMasterId(masters[i]);
        QVERIFY(category.save());
    }
    DBCategoryList under(12);
    QCOMPARE(under.whereText(), QStringLiteral("MasterID=12"));
    QVERIFY(under.load());
    QCOMPARE(under.names(), (QStringList{QStringLiteral("b"), QStringLiteral("a")}));

    DBCategoryList all;
    QVERIFY(all.load());
    QCOMPARE(all.count(), 3);
    QVERIFY(!all.findById(9999));
}

void TypedListTest::projectListsAndFirstOrCreate()
{
    TestDatabase db;
    QVERIFY(db.isOpen());
    DBDirectory entry;
    entry.setProjectId(5);
    QVERIFY(entry.save());
    DBSocialBookmark other;
    other.setProjectId(6);
    QVERIFY(other.save());

    DBDirectoryList entries(5);
    QVERIFY(entries.load());
    QCOMPARE(entries.count(), 1);
    QCOMPARE(entries.firstOrCreate(), entries.at(0));
    QCOMPARE(entries.findById(entry.id()), entries.at(0));

    DBSocialBookmarkList bookmarks(5);
    QVERIFY(bookmarks.load());
    QCOMPARE(bookmarks.count(), 0);
    DBSocialBookmark* created = bookmarks.firstOrCreate();
    QCOMPARE(created->projectId(), 5);
    QCOMPARE(DBStateProbe::state(created), int(DBBase::StateNew));
    QCOMPARE(bookmarks.count(), 1);

    DBWebsiteList sites(8);
    QVERIFY(sites.load());
    DBWebsite* site = sites.firstOrCreate();
    QCOMPARE(site->type(), 8);
    QCOMPARE(DBStateProbe::state(site), int(DBBase::StateNew));
}

TESVAR_TEST(TypedListTest)
#include "TypedListTest.moc"
