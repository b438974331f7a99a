#include "TestRunner.h"

#include "TestData.h"
#include "TestDatabase.h"
#include "core/Logger.h"
#include "data/DBMasterAccount.h"
#include "exchange/ThreadXmlImport.h"
#include "sites/RandomIdentity.h"

#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>
#include <QtTest>

using namespace Vexal;

class RandomIdentityTest : public QObject
{
    Q_OBJECT

private slots:
    void drawnValuesStayInTheirRanges()
    {
        RandomIdentity identity;
        QSet<int> years, months, days, floors, steps;
        const QRegularExpression flat(QStringLiteral("^(\\d+) floor, apt\\. (\\d+)$"));
        for (int i = 0; i < 3000; ++i) {
            const QDate birthday = identity.randomBirthday();
            QVERIFY(birthday.isValid());
            QVERIFY(birthday.day() <= 21);
            years << birthday.year();
            months << birthday.month();
            days << birthday.day();

            const QRegularExpressionMatch match = flat.match(identity.randomFloorAndApartment());
            QVERIFY(match.hasMatch());
            const int floor = match.captured(1).toInt();
            const int apartment = match.captured(2).toInt();
            QVERIFY(floor >= 1 && floor <= 80);
            QVERIFY(apartment >= floor && apartment <= floor + 11);
            floors << floor;
            steps << apartment - floor;
        }
        // Every value of each range is reached, and nothing outside it.
        QCOMPARE(years.size(), 20);
        QCOMPARE(*std::min_element(years.begin(), years.end()), 1970);
        QCOMPARE(*std::max_element(years.begin(), years.end()), 1989);
        QCOMPARE(months.size(), 12);
        QCOMPARE(days.size(), 21);
        QCOMPARE(floors.size(), 80);
        QCOMPARE(steps.size(), 12);

        QVERIFY(QRegularExpression(QStringLiteral("^[a-z]{40}$")).match(identity.randomLetters(40)).hasMatch());
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9]{40}$")).match(identity.randomDigits(40)).hasMatch());
        QCOMPARE(identity.randomLetters(0), QString());
    }

    void accountsComeFromTheTablesOfTheLanguageAndCountry()
    {
        TestDatabase db;
        QVERIFY(TestDatabase::exec("INSERT INTO Country (ID, Name, Code) VALUES (1, 'Utopia', 'UT'), (2, 'Elsewhere', 'EL')"));
        QVERIFY(TestDatabase::exec("INSERT INTO City (Name, CountryID, Province) VALUES "
                                   "('Alpha', 1, 'North'), ('Beta', 1, 'South'), ('Gamma', 2, 'Far')"));
        QVERIFY(TestDatabase::exec("INSERT INTO Address (Name, CountryID) VALUES ('1 Main St', 1), ('9 Far Rd', 2)"));
        QVERIFY(TestDatabase::exec("INSERT INTO FirstName (Name, LanguageID, Gender) VALUES "
                                   "('Adam', 1, 1), ('Boris', 1, 1), ('Clara', 1, 0), ('Dora', 1, 0), "
                                   "('Xaver', 2, 1), ('Yvonne', 2, 0)"));
        QVERIFY(TestDatabase::exec("INSERT INTO LastName (Name, LanguageID) VALUES ('Smith', 1), ('Jones', 1), ('Ng', 2)"));

        RandomIdentity identity;
        QSet<QString> firstNames, cities;
        for (int i = 0; i < 60; ++i) {
            DBMasterAccount account;
            QVERIFY2(identity.fill(&account, 1, 1), qPrintable(identity.errorText()));
            const QString expected = account.gender() == 1 ? QStringLiteral("Adam Boris") : QStringLiteral("Clara Dora");
            QVERIFY(expected.split(' ').contains(account.firstName()));
            QVERIFY(QStringList({"Smith", "Jones"}).contains(account.lastName()));
            QCOMPARE(account.name(), account.firstName() + ' ' + account.lastName());
            QCOMPARE(account.fullName(), account.name());
            QCOMPARE(account.country() + '/' + account.address(), QStringLiteral("Utopia/1 Main St"));
            QVERIFY(QStringList({"Alpha", "Beta"}).contains(account.city()));
            QCOMPARE(account.province(), account.city() == "Alpha" ? QStringLiteral("North") : QStringLiteral("South"));
            QVERIFY(account.details().contains(QStringLiteral(" floor, apt. ")));
            QVERIFY(!account.login().isEmpty() && account.login() == account.login().toLower());
            QVERIFY(!account.decryptedPassword().isEmpty());
            QVERIFY(account.birthday().year() >= 1970 && account.birthday().year() <= 1989);
            QVERIFY(account.phone().startsWith(QStringLiteral("+1 ")));
            QCOMPARE(account.zipCode().size(), 5);
            firstNames << account.firstName();
            cities << account.city();
        }
        QCOMPARE(firstNames.size(), 4);
        QCOMPARE(cities.size(), 2);

    }

    // Login and screen name are made of the names the account shows, in
    // ASCII letters: marks dropped, Cyrillic and Greek transliterated; a
    // name of another script gives none, and random letters stand in where
    // neither name gives one.
    void loginsAreAsciiOfTheNamesShown_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("screen");
        QTest::newRow("marks") << "Zoë" << "Dvořák" << "ZDvorak";
        QTest::newRow("letters of their own") << "Øystein" << "Weiß-Łukowska" << "OWeissLukowska";
        QTest::newRow("Cyrillic") << "Юлия" << "Щукина-Йовович" << "YShchukinaYovovich";
        QTest::newRow("Greek") << "Θεόδωρος" << "Παπαδόπουλος" << "TPapadopoulos";
        QTest::newRow("a letter of two units") << QString::fromUtf8("\xF0\x9D\x92\x9C" "da") << "Lovelace"
                                                << "ALovelace";
        QTest::newRow("a first name of another script") << "太郎" << "O'Hara" << "OHara";
        QTest::newRow("a last name of another script") << "Mei" << "王" << "Mei";
        QTest::newRow("no Latin letter") << "太郎" << "山田" << "[a-z]{6}";
    }

    void loginsAreAsciiOfTheNamesShown()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, screen);
        TestDatabase db;
        QVERIFY(addRow(QStringLiteral("FirstName"), {{"Name", "Ulrich"}, {"LanguageID", 1}, {"Gender", 1}}) > 0);
        QVERIFY(addRow(QStringLiteral("FirstName"), {{"Name", first}, {"LanguageID", 1}, {"Gender", 0}}) > 0);
        QVERIFY(addRow(QStringLiteral("LastName"), {{"Name", last}, {"LanguageID", 1}}) > 0);
        RandomIdentity identity;
        DBMasterAccount account;
        // The gender asked for: her name, not one drawn for another.
        QVERIFY2(identity.fill(&account, 1, -1, 0), qPrintable(identity.errorText()));
        QCOMPARE(account.fullName(), first + ' ' + last);
        QVERIFY2(QRegularExpression('^' + screen + "\\d{3}$").match(account.screenName()).hasMatch(),
                 qPrintable(account.screenName()));
        QCOMPARE(account.login(), account.screenName().toLower());
    }

    void missingRowsAndFailedReadsGiveUpThePick()
    {
        TestDatabase db;
        RandomIdentity identity;
        QCOMPARE(identity.randomCityId(7), -1);
        QCOMPARE(identity.randomFirstName(7, true), QString());
        QVERIFY(identity.errorText().isEmpty());

        // No names for the language: the fields keep what they held.
        DBMasterAccount account;
        account.setFirstName(QStringLiteral("Kept"));
        account.setName(QStringLiteral("Own name"));
        QVERIFY(identity.fill(&account, 7, -1));
        QCOMPARE(account.firstName(), QStringLiteral("Kept"));
        QCOMPARE(account.name(), QStringLiteral("Own name"));
        QCOMPARE(account.city(), QString());

        // A table that cannot be read fails the pick, not the whole fill.
        QVERIFY(TestDatabase::exec("DROP TABLE City"));
        QCOMPARE(identity.randomCityId(1), -1);
        QVERIFY(!identity.errorText().isEmpty());
        DBMasterAccount other;
        QVERIFY(!identity.fill(&other, 7, -1));
        QVERIFY(other.birthday().year() >= 1970 && other.birthday().year() <= 1989);
        Logger::resetForTests();
    }

    // After File > Import of the six System files, every language, country
    // and gender the generator offers gives a whole identity: names of that
    // language (a few dozen of each kind), a city and an address.
    void systemFilesGiveEveryChoiceAWholeIdentity()
    {
        TestDatabase db;
        QStringList files;
        for (const char* file :
             {"languages.xml", "first-names.xml", "last-names.xml", "countries.xml", "cities.xml", "addresses.xml"})
            files << QStringLiteral(TESVAR_SOURCE_DIR "/data/system/") + QLatin1String(file);
        ThreadXmlImport job(files);
        job.start();
        QVERIFY(job.wait(60000));
        QVERIFY2(job.isSuccessful(), qPrintable(job.errorText()));

        const auto ids = [](const char* table) {
            QList<int> list;
            QSqlQuery query(QStringLiteral("SELECT ID FROM %1 ORDER BY ID").arg(QLatin1String(table)));
            while (query.next())
                list << query.value(0).toInt();
            return list;
        };
        const QList<int> languages = ids("Language");
        const QList<int> countries = ids("Country");
        QVERIFY(languages.size() >= 10 && countries.size() >= 20);
        // A few dozen male and female first names and last names each.
        for (int language : languages) {
            for (const char* where : {"FirstName WHERE Gender = 1 AND", "FirstName WHERE Gender = 0 AND",
                                      "LastName WHERE"}) {
                const QString count = QStringLiteral("SELECT COUNT(*) FROM %1 LanguageID = %2")
                                          .arg(QLatin1String(where))
                                          .arg(language);
                QVERIFY2(TestDatabase::value(count).toInt() >= 24, qPrintable(count));
            }
        }

        RandomIdentity identity;
        int choices = 0;
        for (int language : languages) {
            for (int country : countries) {
                for (bool male : {true, false}) {
                    const QString choice =
                        QStringLiteral("language %1, country %2, male %3").arg(language).arg(country).arg(male);
                    QVERIFY2(identity.emptyTable(language, country, male).isEmpty(), qPrintable(choice));
                    QVERIFY2(!identity.randomFirstName(language, male).isEmpty(), qPrintable(choice));
                    DBMasterAccount account;
                    QVERIFY2(identity.fill(&account, language, country), qPrintable(identity.errorText()));
                    for (const QString& field : {account.firstName(), account.lastName(), account.country(),
                                                 account.city(), account.address()})
                        QVERIFY2(!field.isEmpty(), qPrintable(choice));
                    ++choices;
                }
            }
        }
        QCOMPARE(choices, languages.size() * countries.size() * 2);
        QVERIFY(Logger::errors().isEmpty());
    }
};

TESVAR_TEST(RandomIdentityTest)
#include "RandomIdentityTest.moc"
