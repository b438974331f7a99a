#include "TestDatabase.h"
#include "TestRunner.h"

#include "data/DBCategory.h"
#include "core/DBSql.h"
#include "data/DBUrlShortcut.h"
#include "data/DBUrlShortcutList.h"
#include "data/DBUserTable.h"
#include "data/DBUserTableList.h"

#include <QSet>
#include <QTest>
#include <QUrl>

using namespace Vexal;

class UrlShortcutTest : public QObject
{
    Q_OBJECT
private slots:
    void roundTripAndLimits();
    void assignFromAnotherClassKeepsOwnFields();
    void defaultsStayInMemory();
    void userTablesAreRead();
};

void UrlShortcutTest::roundTripAndLimits()
{
    TestDatabase db;
    QVERIFY(db.isOpen());
    DBUrlShortcut shortcut;
    QCOMPARE(shortcut.displayName(), QStringLiteral("UriShortcuts"));
    QVERIFY(shortcut.friendlyName().isEmpty());
    shortcut.setName(QStringLiteral("Example"));
    shortcut.setShortcut(QString(200, QLatin1Char('s')));
    shortcut.setUrl(QString(1500, QLatin1Char('u')));
    QCOMPARE(shortcut.shortcut().size(), 128);
    QCOMPARE(shortcut.url().size(), 1024);
    QVERIFY2(shortcut.save(), qPrintable(shortcut.errorText()));

    DBUrlShortcutList list;
    QVERIFY(list.load());
    QCOMPARE(list.count(), 1);
    QCOMPARE(list.at(0)->shortcut(), shortcut.shortcut());
    QCOMPARE(list.at(0)->url(), shortcut.url());
    QCOMPARE(list.findById(shortcut.id()), list.at(0));
    QCOMPARE(list.firstOrNew(), list.at(0));
}

void UrlShortcutTest::assignFromAnotherClassKeepsOwnFields()
{
    DBUrlShortcut shortcut;
    shortcut.setShortcut(QStringLiteral("e"));
    shortcut.setUrl(QStringLiteral("http://example.com/"));
    DBCategory category;
    category.setName(QStringLiteral("Other"));
    shortcut.assign(&category);
    QCOMPARE(shortcut.name(), QStringLiteral("Other"));
    QCOMPARE(shortcut.shortcut(), QStringLiteral("e"));
    QCOMPARE(shortcut.url(), QStringLiteral("http://example.com/"));

    DBUrlShortcut copy;
    copy.assign(&shortcut);
    QCOMPARE(copy.shortcut(), QStringLiteral("e"));
    QCOMPARE(copy.url(), QStringLiteral("http://example.com/"));
}

void UrlShortcutTest::defaultsStayInMemory()
{
    TestDatabase db;
    QVERIFY(db.isOpen());
    DBUrlShortcutList list;
    QVERIFY(list.load());
    list.appendDefaults();
    // The well-known services, in this order, each with its front page.
    const QStringList names = {QStringLiteral("Google"),  QStringLiteral("Google Mail"), QStringLiteral("Facebook"),
                               QStringLiteral("YouTube"), QStringLiteral("Yahoo!"),      QStringLiteral("Twitter"),
                               QStringLiteral("Wikipedia")};
    const QStringList shortcuts = {QStringLiteral("g"),  QStringLiteral("gm"), QStringLiteral("f"), QStringLiteral("y"),
                                   QStringLiteral("ya"), QStringLiteral("t"),  QStringLiteral("w")};
    const QStringList hosts = {QStringLiteral("google.com"),  QStringLiteral("mail.google.com"),
                               QStringLiteral("facebook.com"), QStringLiteral("youtube.com"),
                               QStringLiteral("yahoo.com"),    QStringLiteral("twitter.com"),
                               QStringLiteral("wikipedia.org")};
    QCOMPARE(list.count(), names.size());
    for (int i = 0; i < list.count(); ++i) {
        DBUrlShortcut* shortcut = list.at(i);
        QVERIFY(shortcut);
        QCOMPARE(shortcut->id(), -1);
        QCOMPARE(shortcut->parent(), &list);
        QCOMPARE(shortcut->name(), names.at(i));
        QCOMPARE(shortcut->shortcut(), shortcuts.at(i));
        const QUrl url(shortcut->url());
        QVERIFY(url.isValid());
        QCOMPARE(url.scheme(), QStringLiteral("http"));
        QVERIFY2(url.host() == hosts.at(i) || url.host() == QStringLiteral("www.") + hosts.at(i),
                 qPrintable(shortcut->url()));
        QVERIFY(url.path().isEmpty() || url.path() == QStringLiteral("/"));
    }
    QCOMPARE(TestDatabase::rowCount(DBSql::tableUrlShortcut()), 0);

    // Saved, they are ordinary rows.
    QVERIFY2(list.saveAll(), qPrintable(list.errorText()));
    QCOMPARE(TestDatabase::rowCount(DBSql::tableUrlShortcut()), 7);
}

void UrlShortcutTest::userTablesAreRead()
{
    TestDatabase db;
    QVERIFY(db.isOpen());
    QVERIFY(TestDatabase::exec(QStringLiteral("DELETE FROM UserTable;")));
    QVERIFY(TestDatabase::exec(QStringLiteral(
        "INSERT INTO UserTable (ID, Name, FriendlyName) VALUES (1, 'Website', 'Web sites'), (2, 'Rank', '');")));

    DBUserTableList list;
    QVERIFY2(list.load(), qPrintable(list.errorText()));
    QCOMPARE(list.count(), 2);
    DBUserTable* named = list.findById(1);
    QVERIFY(named);
    QCOMPARE(named->name(), QStringLiteral("Website"));
    QCOMPARE(named->friendlyName(), QStringLiteral("Web sites"));
    QVERIFY(named->displayName().isEmpty());
    // No fallback to the table's name.
    QCOMPARE(list.findById(2)->friendlyName(), QString());

    DBUserTable record;
    record.setFriendlyName(QString(200, QLatin1Char('f')));
    QCOMPARE(record.friendlyName().size(), 128);
}

TESVAR_TEST(UrlShortcutTest)
#include "UrlShortcutTest.moc"
