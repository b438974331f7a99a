#include "RecordCheck.h"
#include "TestData.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "TestRows.h"
#include "core/DBSql.h"
#include "data/DBCache.h"
#include "data/DBAccount.h"
#include "data/DBDirectory.h"
#include "data/DBField.h"
#include "data/DBOptions.h"
#include "data/DBOptionsList.h"
#include "data/DBSettings.h"
#include "data/DBSettingsList.h"
#include "data/DBUrlShortcut.h"
#include "data/DBUrlShortcutList.h"
#include "data/DBUserTable.h"
#include "data/DBUserTableList.h"
#include "data/DBWebsite.h"

#include <QTest>
#include <QUrl>

using namespace Vexal;

// Records of the data layer: every column is read, bound and assigned in its
// own place, limits and clamps, and the rows a record needs before it saves.
class RecordTest : public QObject
{
    Q_OBJECT
private slots:
    // 91 UTF-8 bytes scramble to 128 characters, 92 to 132: the stored text of
    // a password is never cut, whatever its length.
    void accountsKeepLongPasswords()
    {
        TestDatabase db;
        const QStringList passwords = {QString(), QString(91, QLatin1Char('x')), QString(92, QLatin1Char('x')),
                                       QString(600, QChar(0x00E9)), QStringLiteral("p'a%s_s@\"w\\rd")};
        for (const QString& password : passwords) {
            DBAccount account;
            account.setProjectId(3);
            account.setWebsiteId(17);
            account.setLogin(QStringLiteral("user"));
            account.setPassword(password.isEmpty() ? QString() : scrambled(password));
            QVERIFY2(account.save(), qPrintable(account.errorText()));
            DBAccount copy;
            QVERIFY2(copy.load(account.id()), qPrintable(copy.errorText()));
            QCOMPARE(copy.password(), account.password());
            QCOMPARE(copy.decryptedPassword(), password);
        }
        DBAccount clear;
        clear.setPassword(QStringLiteral("stored in clear by another tool"));
        QCOMPARE(clear.decryptedPassword(), QString());
    }

    // Records of a project take the project from any other project record.
    void projectRecordsAssignTheirProject()
    {
        DBAccount source;
        source.setProjectId(4);
        source.setName(QStringLiteral("A"));

        DBDirectory entry;
        entry.setTitle(QStringLiteral("kept"));
        entry.assign(&source);
        QCOMPARE(entry.name(), QStringLiteral("A"));
        QCOMPARE(entry.projectId(), 4);
        QCOMPARE(entry.title(), QStringLiteral("kept"));
    }

    void limitsAndClamps()
    {
        DBOptions options;
        const QList<QPair<int, int>> tabs{{0, 1}, {-3, 1}, {1, 1}, {30, 30}, {31, 30}};
        for (const auto& tab : tabs) {
            options.setMaxOpenedTabs(tab.first);
            QCOMPARE(options.maxOpenedTabs(), tab.second);
        }
        // The options page offers 1 to 21 days: 0 would delete yesterday's history.
        const QList<QPair<int, int>> periods{{-1, 1}, {0, 1}, {1, 1}, {21, 21}, {22, 21}};
        for (const auto& period : periods) {
            options.setHistoryPeriod(period.first);
            QCOMPARE(options.historyPeriod(), period.second);
        }
        RecordCheck::textLimit(&DBOptions::setHttpLogin, &DBOptions::httpLogin, 128);
        RecordCheck::textLimit(&DBOptions::setHomeUrl, &DBOptions::homeUrl, 1024);
        RecordCheck::textLimit(&DBOptions::setFtpAddress, &DBOptions::ftpAddress, 1024);
        RecordCheck::textLimit(&DBSettings::setLastFolder, &DBSettings::lastFolder, DBSettings::lastFolderLimit);
        RecordCheck::textLimit(&DBUrlShortcut::setShortcut, &DBUrlShortcut::shortcut, 128);
        RecordCheck::textLimit(&DBUrlShortcut::setUrl, &DBUrlShortcut::url, 1024);
        RecordCheck::textLimit(&DBUserTable::setFriendlyName, &DBUserTable::friendlyName, 128);

        // A scrambled password is never cut: a cut one no longer decodes.
        const QString longScrambled = scrambled(QString(300, QChar(0x00E9)));
        QVERIFY(longScrambled.size() > 128);
        options.setSocksPassword(longScrambled);
        QCOMPARE(options.socksPassword(), longScrambled);
        QCOMPARE(options.decryptedSocksPassword(), QString(300, QChar(0x00E9)));
        QVERIFY(options.decryptedHttpPassword().isEmpty());
        options.setFtpPassword(QStringLiteral("not scrambled"));
        QVERIFY(options.decryptedFtpPassword().isEmpty());
    }

    // A row is read as it is stored (a flag reads any non-zero value as set
    // and is written back as 1), but an option with a range is used within
    // the range of its row in the field table: the record's getters, copies
    // and so the options cache give the nearest value in range. Stored as it
    // stood, a history period of -5 deleted every history row at start-up
    // and a tab limit of 0 refused every new tab. Every option with a range
    // is tried, at its ends and beyond them.
    void optionsAreUsedWithinTheirRanges_data()
    {
        addColumns<bool, int>("fromMaximum", "offset");
        QTest::newRow("far below") << false << -6; // a history period of -5
        QTest::newRow("lowest") << false << 0;
        QTest::newRow("highest") << true << 0;
        QTest::newRow("just above") << true << 1;
    }

    void optionsAreUsedWithinTheirRanges()
    {
        QFETCH(bool, fromMaximum);
        QFETCH(int, offset);
        std::vector<const DBField*> ranged;
        QStringList columns{QStringLiteral("ID"), QStringLiteral("BlockPopups")};
        QStringList values{QStringLiteral("1"), QStringLiteral("5")};
        for (const DBField& field : DBOptions::fieldTable()) {
            if (!field.hasRange())
                continue;
            ranged.push_back(&field);
            columns << field.column();
            values << QString::number((fromMaximum ? field.maximum() : field.minimum()) + offset);
        }
        QVERIFY(ranged.size() >= 5);
        TestDatabase db;
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Options (%1) VALUES (%2);")
                                       .arg(columns.join(QLatin1Char(',')), values.join(QLatin1Char(',')))));
        DBOptionsList list;
        QVERIFY(list.load());
        DBOptions* options = list.firstOrCreate();
        QCOMPARE(list.count(), 1);
        QVERIFY(options->blockPopups());
        DBOptions copy;
        copy.assign(options);
        for (const DBField* field : ranged) {
            const int stored = int((fromMaximum ? field->maximum() : field->minimum()) + offset);
            const int used = int(qBound(field->minimum(), qint64(stored), field->maximum()));
            QCOMPARE(field->intValue(options), stored);
            QCOMPARE(field->intInRange(options), used);
            QCOMPARE(field->intValue(&copy), used);
        }
        // The getters read through the field; the cache copies the getters.
        QCOMPARE(options->historyPeriod(),
                 DBOptions::fieldTable().find(QStringLiteral("HistoryPeriod"))->intInRange(options));
        QCOMPARE(options->ftpPort(), DBOptions::fieldTable().find(QStringLiteral("FtpPort"))->intInRange(options));
        DBCache::setOptions(options);
        QCOMPARE(DBCache::maxOpenedTabs(), options->maxOpenedTabs());
        QCOMPARE(DBCache::historyPeriod(), options->historyPeriod());
        DBCache::reset();

        // Nothing rewrites the row but a change of the user's.
        options->setStartup(4);
        QVERIFY(list.saveAll());
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT BlockPopups FROM Options;")).toInt(), 1);
        QCOMPARE(TestDatabase::value(
                     QStringLiteral("SELECT %1 FROM Options;").arg(columns.mid(2).join(QStringLiteral("||','||"))))
                     .toString(),
                 values.mid(2).join(QLatin1Char(',')));
    }

    // The single-row tables hand out an unsaved default row when empty, and
    // the first of several rows otherwise.
    void singleRowTables()
    {
        TestDatabase db;
        {
            DBOptionsList list;
            QVERIFY(list.load());
            DBOptions* options = list.firstOrCreate();
            QCOMPARE(list.firstOrCreate(), options);
            QCOMPARE(list.count(), 1);
            QCOMPARE(options->id(), -1);
            QCOMPARE(TestDatabase::rowCount(DBSql::tableOptions()), 0);
            QVERIFY2(list.saveAll(), qPrintable(list.errorText()));
            QCOMPARE(TestDatabase::rowCount(DBSql::tableOptions()), 1);
            QVERIFY(options->id() > 0);
        }
        QVERIFY(TestDatabase::exec(QStringLiteral(
            "INSERT INTO Settings (ID, LastFolder) VALUES (5, '/first'), (9, '/second');")));
        DBSettingsList list;
        QVERIFY(list.load());
        QCOMPARE(list.firstOrCreate()->lastFolder(), QStringLiteral("/first"));
        QCOMPARE(list.count(), 2);
        QCOMPARE(list.findById(9)->lastFolder(), QStringLiteral("/second"));
    }

    void urlShortcutDefaultsStayInMemory()
    {
        TestDatabase db;
        DBUrlShortcutList list;
        QVERIFY(list.load());
        list.appendDefaults();
        QCOMPARE(list.count(), 7);
        for (int i = 0; i < list.count(); ++i)
            QVERIFY(list.at(i)->id() == -1 && QUrl(list.at(i)->url()).isValid());
        QCOMPARE(TestDatabase::rowCount(DBSql::tableUrlShortcut()), 0);
        QVERIFY2(list.saveAll(), qPrintable(list.errorText()));
        QCOMPARE(TestDatabase::rowCount(DBSql::tableUrlShortcut()), 7);
    }

    void userTablesHaveNoNameFallback()
    {
        TestDatabase db;
        QVERIFY(TestDatabase::exec(QStringLiteral("DELETE FROM UserTable;")));
        QVERIFY(TestDatabase::exec(QStringLiteral(
            "INSERT INTO UserTable (ID, Name, FriendlyName) VALUES (1, 'Website', 'Web sites'), (2, 'Rank', '');")));
        DBUserTableList list;
        QVERIFY2(list.load(), qPrintable(list.errorText()));
        QCOMPARE(list.count(), 2);
        QCOMPARE(list.findById(1)->friendlyName(), QStringLiteral("Web sites"));
        QCOMPARE(list.findById(2)->friendlyName(), QString());
    }

    void websiteTypes()
    {
        QCOMPARE(DBWebsite::firstType(4 | 32), 4);
        QCOMPARE(DBWebsite::firstType(1), 0);
        QCOMPARE(DBWebsite::typeText(3), QStringLiteral("Undefined"));
    }
};

TESVAR_TEST(RecordTest)
#include "RecordTest.moc"
