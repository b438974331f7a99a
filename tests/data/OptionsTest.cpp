#include "TestDatabase.h"
#include "TestRunner.h"

#include "core/ConstApp.h"
#include "data/DBOptions.h"
#include "data/DBOptionsList.h"
#include "data/DBSettings.h"
#include "core/DBSql.h"
#include "data/Encryptor.h"

#include <QDir>
#include <QSqlQuery>
#include <QTest>

using namespace Vexal;

namespace {

QString scrambled(const QString& password)
{
    Encryptor encryptor(Encryptor::programKey());
    return encryptor.encode(password);
}

} // namespace

class OptionsTest : public QObject
{
    Q_OBJECT
private slots:
    void defaults()
    {
        DBOptions options;
        QCOMPARE(options.id(), -1);
        QVERIFY(options.name().isEmpty());
        QCOMPARE(options.startup(), 2);
        QCOMPARE(options.homeUrl(), ConstApp::homeUrl());
        QCOMPARE(options.defaultFolder(), QDir::homePath());
        QVERIFY(options.keepLastFolder());
        QCOMPARE(options.maxOpenedTabs(), 15);
        QCOMPARE(options.historyPeriod(), 7);
        QCOMPARE(options.locationBar(), 2);
        QVERIFY(options.crossSessionImport());
        QVERIFY(options.ignoreSSLErrors());
        QVERIFY(options.saveHistory());
        QVERIFY(!options.httpProxy() && !options.socksProxy() && !options.ftpProxy());
        QCOMPARE(options.displayName(), QStringLiteral("Options"));
        const QStringList columns = options.columns();
        QCOMPARE(columns.size(), 42);
        QCOMPARE(columns.at(3), QStringLiteral("Startup"));
        QCOMPARE(columns.at(24), QStringLiteral("HistoryPeriod"));
        QCOMPARE(columns.at(41), QStringLiteral("FtpPort"));
    }

    void clampsAndCuts()
    {
        DBOptions options;
        const QList<QPair<int, int>> tabs{{0, 1}, {-3, 1}, {1, 1}, {30, 30}, {31, 30}};
        for (const auto& tab : tabs) {
            options.setMaxOpenedTabs(tab.first);
            QCOMPARE(options.maxOpenedTabs(), tab.second);
        }
        const QList<QPair<int, int>> periods{{-1, 0}, {0, 0}, {21, 21}, {22, 21}};
        for (const auto& period : periods) {
            options.setHistoryPeriod(period.first);
            QCOMPARE(options.historyPeriod(), period.second);
        }
        options.setHttpLogin(QString(200, QLatin1Char('l')));
        QCOMPARE(options.httpLogin().size(), 128);
        options.setHomeUrl(QString(2000, QLatin1Char('u')));
        QCOMPARE(options.homeUrl().size(), 1024);
        options.setFtpAddress(QString(1500, QLatin1Char('a')));
        QCOMPARE(options.ftpAddress().size(), 1024);
        options.setStartup(99);
        QCOMPARE(options.startup(), 99);
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

    void firstOrCreateOnAnEmptyTable()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        DBOptionsList list;
        QVERIFY(list.load());
        DBOptions* options = list.firstOrCreate();
        QVERIFY(options);
        QCOMPARE(list.count(), 1);
        QCOMPARE(options->id(), -1);
        QCOMPARE(DBStateProbe::state(options), int(DBBase::StateNew));
        QCOMPARE(list.options(), options);
        QCOMPARE(list.count(), 1);
        QCOMPARE(TestDatabase::rowCount(DBSql::tableOptions()), 0);
        QVERIFY2(list.saveAll(), qPrintable(list.errorText()));
        QCOMPARE(TestDatabase::rowCount(DBSql::tableOptions()), 1);
        QVERIFY(options->id() > 0);
    }

    // Every column holds a value different from its default and from its
    // neighbours; a record that reads the row and writes it again as a new row
    // must produce the same row, so a slip in reading or binding shows.
    void fullRoundTrip()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        const QString socksClear = QString(200, QLatin1Char('s'));
        const QString ftpClear = QStringLiteral("\u043f\u0430\u0440\u043e\u043b\u044c");
        QVERIFY(TestDatabase::exec(
            QStringLiteral("INSERT INTO Options VALUES (7, 'n', 'c', 4, 'http://home.example/', 0, 1, "
                           "'/downloads', 1, 0, '/default', 0, 22, 1, 0, 0, 0, 0, 1, 0, 1, 1, 0, 0, 3, 0, "
                           "8, 1, 'httpUser', '%1', 'http.proxy', 3128, 1, 'socksUser', '%2', 'socks.proxy', "
                           "1080, 1, 'ftpUser', '%3', 'ftp.proxy', 2121);")
                .arg(scrambled(QStringLiteral("p")), scrambled(socksClear), scrambled(ftpClear))));
        {
            DBOptions options;
            QVERIFY2(options.load(7), qPrintable(options.errorText()));
            QCOMPARE(options.startup(), 4);
            QVERIFY(!options.keepLastFolder());
            QCOMPARE(options.maxOpenedTabs(), 22);
            QVERIFY(options.focusPopups());
            QCOMPARE(options.historyPeriod(), 3);
            QCOMPARE(options.locationBar(), 8);
            QCOMPARE(options.httpAddress(), QStringLiteral("http.proxy"));
            QCOMPARE(options.ftpPort(), 2121);
            QCOMPARE(options.decryptedHttpPassword(), QStringLiteral("p"));
            QCOMPARE(options.decryptedSocksPassword(), socksClear);
            QCOMPARE(options.decryptedFtpPassword(), ftpClear);
            options.setId(8);
            options.markNew();
            QVERIFY2(options.save(), qPrintable(options.errorText()));
        }
        QSqlQuery query(db.database());
        QVERIFY(query.exec(QStringLiteral("SELECT * FROM Options ORDER BY ID;")));
        QVERIFY(query.next());
        QVariantList first;
        for (int i = 1; i < 42; ++i)
            first << query.value(i);
        QVERIFY(query.next());
        for (int i = 1; i < 42; ++i)
            QVERIFY2(query.value(i) == first.at(i - 1), qPrintable(QString::number(i)));
    }

    void boolColumnsReadAsNonZeroAndWriteBackAsOne()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        QVERIFY(TestDatabase::exec(
            QStringLiteral("INSERT INTO Options (ID, BlockPopups, MaxOpenedTabs, HistoryPeriod) "
                           "VALUES (1, 5, 99, -4);")));
        DBOptionsList list;
        QVERIFY(list.load());
        DBOptions* options = list.firstOrCreate();
        QCOMPARE(list.count(), 1);
        QVERIFY(options->blockPopups());
        // Values read are taken as stored; only the setters clamp.
        QCOMPARE(options->maxOpenedTabs(), 99);
        QCOMPARE(options->historyPeriod(), -4);
        options->setHttpPort(8080);
        QVERIFY(list.saveAll());
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT BlockPopups FROM Options;")).toInt(), 1);
    }

    void assignCopiesOptionsOnlyFromOptions()
    {
        DBOptions source;
        source.setName(QStringLiteral("source"));
        source.setLocationBar(4);
        source.setHttpPassword(QStringLiteral("scrambledText"));
        DBOptions target;
        target.assign(&source);
        QCOMPARE(target.name(), QStringLiteral("source"));
        QCOMPARE(target.locationBar(), 4);
        QCOMPARE(target.httpPassword(), QStringLiteral("scrambledText"));

        DBSettings other;
        other.setName(QStringLiteral("other"));
        DBOptions untouched;
        untouched.assign(&other);
        QCOMPARE(untouched.name(), QStringLiteral("other"));
        QCOMPARE(untouched.locationBar(), 2);
    }
};

TESVAR_TEST(OptionsTest)
#include "OptionsTest.moc"
