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
    QCOMPARE(list.count(), 7);
    QSet<QString> shortcuts;
    for (int i = 0; i < list.count(); ++i) {
        DBUrlShortcut* shortcut = list.at(i);
        QVERIFY(shortcut);
        QCOMPARE(shortcut->id(), -1);
        QCOMPARE(shortcut->parent(), &list);
        QVERIFY(!shortcut->name().isEmpty());
        QVERIFY(shortcut->shortcut().size() >= 1 && shortcut->shortcut().size() <= 2);
        QVERIFY(QUrl(shortcut->url()).isValid());
        shortcuts << shortcut->shortcut();
    }
    QCOMPARE(shortcuts.size(), 7);
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
