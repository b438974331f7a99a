#include "ExchangeTestUtil.h"
#include "FreshStateTest.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "core/Logger.h"
#include "data/DBCache.h"
#include "data/DBMasterAccount.h"
#include "exchange/ThreadXmlExport.h"
#include "exchange/ThreadXmlImport.h"
#include "sites/RandomIdentity.h"

#include <QFile>
#include <QTest>

using namespace Vexal;

// The System files shipped in data/system fill a new database's languages
// and identity tables through File > Import. Each must import whole, refer
// only to rows the others bring, and be exactly what an export writes.
class SystemFilesTest : public FreshStateTest
{
    Q_OBJECT

private slots:
    void shippedFilesImportIntoANewDatabase()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        struct Shipped {
            const char* file;
            const char* table;
            int typeCode;
            const char* exported;
        };
        const Shipped shipped[] = {
            {"languages.xml", "Language", 15, "Languages.xml"},
            {"first-names.xml", "FirstName", 19, "FirstNames.xml"},
            {"last-names.xml", "LastName", 20, "LastNames.xml"},
            {"countries.xml", "Country", 18, "Countries.xml"},
            {"cities.xml", "City", 17, "Cities.xml"},
            {"addresses.xml", "Address", 16, "Addresses.xml"},
        };
        for (const Shipped& item : shipped) {
            const QString path = db.file(QLatin1String(item.file));
            QVERIFY(QFile::copy(QStringLiteral(":/system/") + QLatin1String(item.file), path));
            ThreadXmlImport job({path});
            QVERIFY(runJob(job));
            QVERIFY2(job.isSuccessful(), qPrintable(QLatin1String(item.file) + QLatin1Char(' ') + job.errorText()));
            QVERIFY2(TestDatabase::rowCount(QLatin1String(item.table)) >= 10, item.file);
        }

        // Every reference lands on a shipped row; every name has a language,
        // both genders are there, every country a city and an address.
        const auto count = [](const char* statement) { return TestDatabase::value(QLatin1String(statement)).toInt(); };
        QCOMPARE(count("SELECT COUNT(*) FROM FirstName WHERE LanguageID NOT IN (SELECT ID FROM Language)"), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM LastName WHERE LanguageID NOT IN (SELECT ID FROM Language)"), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM City WHERE CountryID NOT IN (SELECT ID FROM Country)"), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM Address WHERE CountryID NOT IN (SELECT ID FROM Country)"), 0);
        QVERIFY(count("SELECT COUNT(*) FROM FirstName WHERE Gender = 1") > 0);
        QVERIFY(count("SELECT COUNT(*) FROM FirstName WHERE Gender = 0") > 0);
        QCOMPARE(count("SELECT COUNT(*) FROM Country WHERE ID NOT IN (SELECT CountryID FROM City)"), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM Country WHERE ID NOT IN (SELECT CountryID FROM Address)"), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM Language WHERE Name = 'English'"), 1);
        QCOMPARE(count("SELECT COUNT(*) FROM Country WHERE Name = 'USA'"), 1);

        // The generator's default choice (English, USA) gives a whole identity.
        const int english = count("SELECT ID FROM Language WHERE Name = 'English'");
        const int usa = count("SELECT ID FROM Country WHERE Name = 'USA'");
        RandomIdentity identity;
        for (bool male : {true, false})
            QCOMPARE(identity.emptyTable(english, usa, male), QString());
        DBMasterAccount account;
        QVERIFY(identity.fill(&account, english, usa));
        QVERIFY(!account.firstName().isEmpty() && !account.lastName().isEmpty());
        QCOMPARE(account.country(), QStringLiteral("USA"));
        QVERIFY(!account.city().isEmpty() && !account.address().isEmpty());

        // Exporting the imported rows writes the shipped files byte for byte.
        for (const Shipped& item : shipped) {
            ThreadXmlExport job(item.typeCode, db.folder());
            QVERIFY(runJob(job));
            QVERIFY2(job.isSuccessful(), qPrintable(job.errorText()));
            QFile original(QStringLiteral(":/system/") + QLatin1String(item.file));
            QVERIFY(original.open(QIODevice::ReadOnly));
            QVERIFY2(readBytes(db.file(QLatin1String(item.exported))) == original.readAll(), item.file);
        }
        QVERIFY(Logger::errors().isEmpty());
    }
};

TESVAR_TEST(SystemFilesTest)
#include "SystemFilesTest.moc"
