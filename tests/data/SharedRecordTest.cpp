#include "TestDatabase.h"
#include "TestRunner.h"

#include "data/DBAccount.h"
#include "data/DBCategory.h"
#include "data/DBDirectory.h"
#include "data/DBMasterAccount.h"
#include "data/DBSocialBookmark.h"
#include "core/DBSql.h"
#include "data/DBWebsite.h"
#include "data/Encryptor.h"

#include <QTest>

using namespace Vexal;

namespace {

QString longText(int length, QChar c = QLatin1Char('x'))
{
    return QString(length, c);
}

QString scramble(const QString& password)
{
    Encryptor encryptor(Encryptor::programKey());
    return encryptor.encode(password);
}

} // namespace

class SharedRecordTest : public QObject
{
    Q_OBJECT
private slots:
    void websiteRoundTripAndDefaults();
    void accountRoundTripKeepsLongPasswords();
    void masterAccountRoundTripKeepsEveryColumn();
    void categoryDirectorySocialBookmarkRoundTrip();
    void projectOwnedRecordsNeedAProject();
    void assignCopiesOwnFieldsOnlyFromSameClass();
};

void SharedRecordTest::websiteRoundTripAndDefaults()
{
    TestDatabase db;
    QVERIFY(db.isOpen());

    DBWebsite fresh;
    QCOMPARE(fresh.id(), -1);
    QCOMPARE(DBStateProbe::state(&fresh), int(DBBase::StateNew));
    QCOMPARE(fresh.type(), 0);
    QVERIFY(!fresh.email());
    QCOMPARE(fresh.gpr(), 0);
    QCOMPARE(fresh.apr(), 0);
    QCOMPARE(fresh.displayName(), QStringLiteral("Websites"));

    DBWebsite site;
    site.setName(QStringLiteral("Site"));
    site.setType(4 | 32);
    QCOMPARE(DBStateProbe::state(&site), int(DBBase::StateNew));
    site.setHost(QStringLiteral("{example.com}{www.example.com}"));
    site.setHomePage(QStringLiteral("http://example.com/"));
    site.setLoginPage(QStringLiteral("http://example.com/login"));
    site.setLogoutPage(QStringLiteral("http://example.com/logout"));
    site.setRegistrationPage(QStringLiteral("http://example.com/join"));
    site.setUserPage(QStringLiteral("http://example.com/me"));
    site.setEmail(true);
    site.setGpr(5);
    site.setApr(123456);
    QVERIFY2(site.save(), qPrintable(site.errorText()));
    QVERIFY(site.id() > 0);

    DBWebsite copy;
    QVERIFY2(copy.load(site.id()), qPrintable(copy.errorText()));
    QCOMPARE(copy.name(), QStringLiteral("Site"));
    QCOMPARE(copy.type(), 36);
    QCOMPARE(copy.host(), site.host());
    QCOMPARE(copy.homePage(), site.homePage());
    QCOMPARE(copy.loginPage(), site.loginPage());
    QCOMPARE(copy.logoutPage(), site.logoutPage());
    QCOMPARE(copy.registrationPage(), site.registrationPage());
    QCOMPARE(copy.userPage(), site.userPage());
    QVERIFY(copy.email());
    QCOMPARE(copy.gpr(), 5);
    QCOMPARE(copy.apr(), 123456);

    QCOMPARE(DBWebsite::firstType(4 | 32), 4);
    QCOMPARE(DBWebsite::firstType(1), 0);
    QCOMPARE(DBWebsite::typeText(128), QStringLiteral("Social Bookmarks"));
    QCOMPARE(DBWebsite::typeText(3), QStringLiteral("Undefined"));
}

void SharedRecordTest::accountRoundTripKeepsLongPasswords()
{
    TestDatabase db;
    QVERIFY(db.isOpen());

    // 91 UTF-8 bytes scramble to 128 characters, 92 to 132; the stored text
    // must never be cut, whatever its length.
    const QStringList passwords = {QString(), longText(91), longText(92), longText(600, QChar(0x00E9)),
                                   QStringLiteral("p'a%s_s@\"w\\rd")};
    for (const QString& password : passwords) {
        DBAccount account;
        account.setProjectId(3);
        account.setWebsiteId(17);
        account.setLogin(QStringLiteral("user"));
        account.setPassword(password.isEmpty() ? QString() : scramble(password));
        QVERIFY2(account.save(), qPrintable(account.errorText()));

        DBAccount copy;
        QVERIFY2(copy.load(account.id()), qPrintable(copy.errorText()));
        QCOMPARE(copy.projectId(), 3);
        QCOMPARE(copy.websiteId(), 17);
        QCOMPARE(copy.login(), QStringLiteral("user"));
        QCOMPARE(copy.password(), account.password());
        QCOMPARE(copy.decryptedPassword(), password);
    }

    DBAccount fresh;
    QCOMPARE(fresh.websiteId(), -1);
    QCOMPARE(fresh.decryptedPassword(), QString());
    fresh.setPassword(QStringLiteral("stored in clear by another tool"));
    QCOMPARE(fresh.decryptedPassword(), QString());
}

void SharedRecordTest::masterAccountRoundTripKeepsEveryColumn()
{
    TestDatabase db;
    QVERIFY(db.isOpen());

    DBMasterAccount fresh;
    QVERIFY(!fresh.isActive());
    QCOMPARE(fresh.gender(), 1);
    QCOMPARE(fresh.birthday(), QDate::currentDate());
    QCOMPARE(fresh.question(), 0);

    const QString password = longText(300, QChar(0x4E2D));
    DBMasterAccount account;
    account.setName(QStringLiteral("Identity"));
    account.setComments(QStringLiteral("notes"));
    account.setActive(true);
    account.setFirstName(QStringLiteral("First"));
    account.setMiddleName(QStringLiteral("Middle"));
    account.setLastName(QStringLiteral("Last"));
    account.setFullName(QStringLiteral("First Middle Last"));
    account.setScreenName(QStringLiteral("screen"));
    account.setGender(0);
    account.setBirthday(QDate(1975, 2, 28));
    account.setLogin(QStringLiteral("login"));
    account.setPassword(scramble(password));
    account.setEmail(QStringLiteral("me@example.com"));
    account.setUrl(QStringLiteral("http://example.com/me"));
    account.setQuestion(3);
    account.setAnswer(QStringLiteral("answer"));
    account.setCountry(QStringLiteral("Country"));
    account.setCity(QStringLiteral("City"));
    account.setProvince(QStringLiteral("Province"));
    account.setAddress(QStringLiteral("1 Street"));
    account.setDetails(QStringLiteral("2nd floor"));
    account.setZipCode(QStringLiteral("12345"));
    account.setPhone(QStringLiteral("+1 555"));
    account.setFax(QStringLiteral("+1 556"));
    QVERIFY2(account.save(), qPrintable(account.errorText()));
    QCOMPARE(TestDatabase::value(QStringLiteral("SELECT Birthday FROM MasterAccount")).toString(),
             QStringLiteral("1975-02-28"));

    DBMasterAccount copy;
    QVERIFY2(copy.load(account.id()), qPrintable(copy.errorText()));
    QCOMPARE(copy.name(), QStringLiteral("Identity"));
    QCOMPARE(copy.comments(), QStringLiteral("notes"));
    QVERIFY(copy.isActive());
    QCOMPARE(copy.firstName(), account.firstName());
    QCOMPARE(copy.middleName(), account.middleName());
    QCOMPARE(copy.lastName(), account.lastName());
    QCOMPARE(copy.fullName(), account.fullName());
    QCOMPARE(copy.screenName(), account.screenName());
    QCOMPARE(copy.gender(), 0);
    QCOMPARE(copy.birthday(), QDate(1975, 2, 28));
    QCOMPARE(copy.login(), account.login());
    QCOMPARE(copy.decryptedPassword(), password);
    QCOMPARE(copy.email(), account.email());
    QCOMPARE(copy.url(), account.url());
    QCOMPARE(copy.question(), 3);
    QCOMPARE(copy.answer(), account.answer());
    QCOMPARE(copy.country(), account.country());
    QCOMPARE(copy.city(), account.city());
    QCOMPARE(copy.province(), account.province());
    QCOMPARE(copy.address(), account.address());
    QCOMPARE(copy.details(), account.details());
    QCOMPARE(copy.zipCode(), account.zipCode());
    QCOMPARE(copy.phone(), account.phone());
    QCOMPARE(copy.fax(), account.fax());
}

void SharedRecordTest::categoryDirectorySocialBookmarkRoundTrip()
{
    TestDatabase db;
    QVERIFY(db.isOpen());

    DBCategory category;
    QCOMPARE(category.masterId(), -1);
    category.setName(QStringLiteral("Sub"));
    category.setMasterId(12);
    QVERIFY2(category.save(), qPrintable(category.errorText()));
    DBCategory categoryCopy;
    QVERIFY(categoryCopy.load(category.id()));
    QCOMPARE(categoryCopy.masterId(), 12);

    DBDirectory entry;
    QCOMPARE(entry.categoryId(), -1);
    entry.setProjectId(2);
    entry.setCategoryId(7);
    entry.setTitle(QStringLiteral("Title"));
    entry.setTags(QStringLiteral("a, b"));
    entry.setUrl(QStringLiteral("http://example.com/"));
    entry.setDescription(QStringLiteral("Description"));
    entry.setUserName(QStringLiteral("User"));
    entry.setUserEmail(QStringLiteral("user@example.com"));
    QVERIFY2(entry.save(), qPrintable(entry.errorText()));
    DBDirectory entryCopy;
    QVERIFY(entryCopy.load(entry.id()));
    QCOMPARE(entryCopy.projectId(), 2);
    QCOMPARE(entryCopy.categoryId(), 7);
    QCOMPARE(entryCopy.title(), entry.title());
    QCOMPARE(entryCopy.tags(), entry.tags());
    QCOMPARE(entryCopy.url(), entry.url());
    QCOMPARE(entryCopy.description(), entry.description());
    QCOMPARE(entryCopy.userName(), entry.userName());
    QCOMPARE(entryCopy.userEmail(), entry.userEmail());

    DBSocialBookmark bookmark;
    bookmark.setProjectId(2);
    bookmark.setTitle(QStringLiteral("Title"));
    bookmark.setTags(QStringLiteral("t"));
    bookmark.setUrl(QStringLiteral("http://example.com/b"));
    bookmark.setDescription(QStringLiteral("D"));
    QVERIFY2(bookmark.save(), qPrintable(bookmark.errorText()));
    DBSocialBookmark bookmarkCopy;
    QVERIFY(bookmarkCopy.load(bookmark.id()));
    QCOMPARE(bookmarkCopy.projectId(), 2);
    QCOMPARE(bookmarkCopy.title(), bookmark.title());
    QCOMPARE(bookmarkCopy.tags(), bookmark.tags());
    QCOMPARE(bookmarkCopy.url(), bookmark.url());
    QCOMPARE(bookmarkCopy.description(), bookmark.description());
}

void SharedRecordTest::projectOwnedRecordsNeedAProject()
{
    TestDatabase db;
    QVERIFY(db.isOpen());

    DBDirectory entry;
    QVERIFY(!entry.save());
    QCOMPARE(entry.errorText(), QStringLiteral("Project ID is empty. Object: Vexal::DBDirectory"));
    DBSocialBookmark bookmark;
    QVERIFY(!bookmark.save());
    QCOMPARE(bookmark.errorText(), QStringLiteral("Project ID is empty. Object: Vexal::DBSocialBookmark"));
    DBAccount account;
    QVERIFY(!account.save());
    QCOMPARE(account.errorText(), QStringLiteral("Project ID is empty. Object: Vexal::DBAccount"));
    QCOMPARE(TestDatabase::rowCount(DBSql::tableDirectory()), 0);
    QCOMPARE(TestDatabase::rowCount(DBSql::tableSocialBookmark()), 0);
    QCOMPARE(TestDatabase::rowCount(DBSql::tableAccount()), 0);
}

void SharedRecordTest::assignCopiesOwnFieldsOnlyFromSameClass()
{
    DBAccount source;
    source.setProjectId(4);
    source.setWebsiteId(9);
    source.setLogin(QStringLiteral("login"));
    source.setPassword(QStringLiteral("scrambled"));
    source.setName(QStringLiteral("A"));

    DBAccount target;
    target.assign(&source);
    QCOMPARE(target.projectId(), 4);
    QCOMPARE(target.websiteId(), 9);
    QCOMPARE(target.login(), QStringLiteral("login"));
    QCOMPARE(target.password(), QStringLiteral("scrambled"));

    // A directory entry is project-owned too: it takes the project, nothing else.
    DBDirectory entry;
    entry.setTitle(QStringLiteral("kept"));
    entry.assign(&source);
    QCOMPARE(entry.name(), QStringLiteral("A"));
    QCOMPARE(entry.projectId(), 4);
    QCOMPARE(entry.title(), QStringLiteral("kept"));

    DBWebsite site;
    site.setType(8);
    site.assign(&source);
    QCOMPARE(site.type(), 8);
    site.assign(nullptr);
    QCOMPARE(site.name(), QStringLiteral("A"));
}

TESVAR_TEST(SharedRecordTest)
#include "SharedRecordTest.moc"
