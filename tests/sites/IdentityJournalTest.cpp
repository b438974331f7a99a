#include "ComboTexts.h"
#include "EditorDriver.h"
#include "FreshStateTest.h"
#include "JournalDriver.h"
#include "ScriptedPrompt.h"
#include "TestData.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "core/Init.h"
#include "core/Logger.h"
#include "core/DBSql.h"
#include "shell/WidTabManager.h"
#include "sites/DelegateSiteJournals.h"
#include "sites/WidAddressComboBox.h"
#include "sites/WidAddressEditor.h"
#include "sites/WidAddressJournal.h"
#include "sites/WidCityComboBox.h"
#include "sites/WidCityEditor.h"
#include "sites/WidCityJournal.h"
#include "sites/WidCountryComboBox.h"
#include "sites/WidCountryJournal.h"
#include "sites/WidFirstNameComboBox.h"
#include "sites/WidFirstNameEditor.h"
#include "sites/WidFirstNameJournal.h"
#include "sites/WidLastNameComboBox.h"
#include "sites/WidLastNameEditor.h"
#include "sites/WidLastNameJournal.h"
#include "texts/LocaleMessage.h"
#include "views/SqlFilter.h"
#include "views/UtilDialog.h"

#include <QTest>

#include <functional>

using namespace Vexal;

namespace {

const auto value = TestDatabase::value;

// Languages 1 English, 2 German; countries 1 Germany (DE), 2 Austria (AT);
// names, cities and addresses of both.
void seed()
{
    for (const char* statement :
         {"INSERT INTO Language (ID, Name) VALUES (1, 'English'), (2, 'German')",
          "INSERT INTO Country (ID, Name, Code) VALUES (1, 'Germany', 'DE'), (2, 'Austria', 'AT')",
          "INSERT INTO FirstName (ID, Name, LanguageID, Gender) VALUES "
          "(1, 'John', 1, 1), (2, 'Mary', 1, 0), (3, 'Hans', 2, 1), (4, 'Adam', 1, 1)",
          "INSERT INTO LastName (ID, Name, LanguageID) VALUES (1, 'Smith', 1), (2, 'Meier', 2), (3, 'Brown', 1)",
          "INSERT INTO City (ID, Name, CountryID, Province) VALUES "
          "(1, 'Berlin', 1, 'Berlin'), (2, 'Vienna', 2, 'Wien'), (3, 'Bonn', 1, 'NRW')",
          "INSERT INTO Address (ID, Name, CountryID, Details) VALUES "
          "(1, 'Hauptstrasse 1', 1, ''), (2, 'Ring 5', 2, 'Top 3')"})
        QVERIFY(TestDatabase::exec(QLatin1String(statement)));
}

} // namespace

using namespace JournalDriver;

class IdentityJournalTest : public FreshStateTest
{
    Q_OBJECT

private slots:
    void journalsOpenListAndFilter()
    {
        TestDatabase db;
        seed();
        WidTabManager tabs;
        DelegateSiteJournals commands(&tabs, nullptr);

        struct Area
        {
            std::function<void()> open;
            const char* className;
            int all;
            QString column; // a column of the area's own set
            int op;
            QVariant match;
            int matching;
        };
        const QList<Area> areas = {
            {[&] { commands.openFirstNames(); }, "Vexal::WidFirstNameJournal", 4, DBSql::colLanguageID(),
             SqlFilter::Equal, 1, 3},
            {[&] { commands.openLastNames(); }, "Vexal::WidLastNameJournal", 3, DBSql::colLanguageID(),
             SqlFilter::Equal, 2, 1},
            {[&] { commands.openCountries(); }, "Vexal::WidCountryJournal", 2, DBSql::colCode(), SqlFilter::Equal,
             QStringLiteral("AT"), 1},
            {[&] { commands.openCities(); }, "Vexal::WidCityJournal", 3, DBSql::colCountryID(), SqlFilter::Equal, 1,
             2},
            {[&] { commands.openAddresses(); }, "Vexal::WidAddressJournal", 2, DBSql::colDetails(),
             SqlFilter::Contains, QStringLiteral("Top"), 1},
        };
        for (const Area& area : areas) {
            area.open();
            auto* journal = qobject_cast<BaseJournal*>(tabs.currentWidget());
            QVERIFY(journal);
            QCOMPARE(journal->metaObject()->className(), area.className);
            QCOMPARE(rows(journal), area.all);
            filterBy(journal, area.column, area.op, area.match);
            QCOMPARE(rows(journal), area.matching);
            journal->slotRemoveFilter();
            QCOMPARE(rows(journal), area.all);
        }
        QVERIFY(Logger::errors().isEmpty());
    }

    // A name needs a language, a place a country: with no row to choose from
    // the editors refuse, and the message says where such rows come from.
    void recordsAreSavedOnlyWithTheirOwner()
    {
        TestDatabase db;
        ScriptedPrompt prompt;
        QCOMPARE(saveNamed<WidFirstNameEditor>(QStringLiteral("Nobody")), -1);
        QCOMPARE(saveNamed<WidLastNameEditor>(QStringLiteral("Nobody")), -1);
        QCOMPARE(prompt.messages.size(), 2);
        QCOMPARE(prompt.messages.last().text,
                 LocaleMessage::tableEmpty(QStringLiteral("Languages"), QStringLiteral("languages.xml")));
        QCOMPARE(saveNamed<WidCityEditor>(QStringLiteral("Nobody")), -1);
        QCOMPARE(saveNamed<WidAddressEditor>(QStringLiteral("Nobody")), -1);
        QCOMPARE(prompt.messages.size(), 4);
        QCOMPARE(prompt.messages.last().text,
                 LocaleMessage::tableEmpty(QStringLiteral("Countries"), QStringLiteral("countries.xml")));
        for (const QString& table : {DBSql::tableFirstName(), DBSql::tableLastName(), DBSql::tableCity(),
                                     DBSql::tableAddress()})
            QCOMPARE(TestDatabase::rowCount(table), 0);

        // A new name starts on the journal's language, a city on its country.
        seed();
        WidFirstNameEditor first;
        first.setInit(newRecordInit(2));
        first.nameEdit->setText(QStringLiteral("Greta"));
        first.maleBox->setChecked(false);
        first.save();
        QCOMPARE(value(QStringLiteral("SELECT LanguageID || '/' || Gender FROM FirstName WHERE Name = 'Greta'"))
                     .toString(),
                 QStringLiteral("2/0"));
        const int graz = saveNamed<WidCityEditor>(QStringLiteral("Graz"), 2);
        QCOMPARE(value(QStringLiteral("SELECT CountryID FROM City WHERE ID = %1").arg(graz)).toInt(), 2);

        // A stored address opens on its own country; a changed one is stored.
        WidAddressEditor stored;
        stored.setInit(new Init(2, nullptr));
        QCOMPARE(stored.countryBox->currentId(), 2);
        stored.countryBox->setCurrentId(1);
        stored.save();
        QCOMPARE(value(QStringLiteral("SELECT CountryID FROM Address WHERE ID = 2")).toInt(), 1);
        QCOMPARE(prompt.messages.size(), 4);
        QVERIFY(Logger::errors().isEmpty());
    }

    // Each list shows the rows of its owner only.
    void comboBoxesFillAndSelectById()
    {
        TestDatabase db;
        seed();
        WidCountryComboBox countries;
        countries.reload();
        QCOMPARE(comboTexts(countries), QStringList({"Austria", "Germany"}));
        WidCityComboBox cities;
        cities.reload(1);
        QCOMPARE(comboTexts(cities), QStringList({"Berlin", "Bonn"}));
        WidAddressComboBox addresses;
        addresses.reload(2);
        QCOMPARE(addresses.currentId(), 2);
        WidFirstNameComboBox firstNames;
        firstNames.reload(1, true);
        QCOMPARE(comboTexts(firstNames), QStringList({"Adam", "John"}));
        firstNames.reload(1, false);
        QCOMPARE(comboTexts(firstNames), QStringList({"Mary"}));
        WidLastNameComboBox lastNames;
        lastNames.reload(3);
        QCOMPARE(lastNames.currentId(), -1);
        QVERIFY(Logger::errors().isEmpty());
    }
};

TESVAR_TEST(IdentityJournalTest)
#include "IdentityJournalTest.moc"
