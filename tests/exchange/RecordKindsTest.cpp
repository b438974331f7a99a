#include "TestDatabase.h"
#include "TestRunner.h"

#include "data/DBBase.h"
#include "data/DBConnection.h"
#include "data/DBDefaultColumns.h"
#include "data/DBListBase.h"
#include "exchange/RecordKinds.h"
#include "exchange/XmlBase.h"

#include <QSet>
#include <QTest>

#include <memory>

using namespace Vexal;

class RecordKindsTest : public QObject
{
    Q_OBJECT
private slots:
    // Every code finds its kind; the Xml class and the list class of a kind
    // read the kind's own table; every default column set lists the records
    // of a kind; every kind has its export item. (Codes and menu positions
    // in order are checked where the registry is compiled.)
    void everyKindAgreesWithItsTable()
    {
        TestDatabase db;
        const QStringList schemaTables = DBConnection::current().tables();
        const std::vector<RecordKindEntry>& entries = RecordKinds::all();

        QSet<QString> tables;
        QSet<QString> titles;
        for (const RecordKindEntry& entry : entries) {
            const int code = kindCode(entry.kind);
            const QString table = entry.table();
            QCOMPARE(RecordKinds::find(code), &entry);
            QVERIFY2(schemaTables.contains(table), qPrintable(table));
            QVERIFY2(!tables.contains(table), qPrintable(table));
            tables << table;
            QCOMPARE(RecordKinds::codeOfTable(table.toLower()), code);
            QVERIFY2(!titles.contains(entry.title()), qPrintable(table));
            titles << entry.title();
            QVERIFY2(!entry.menu.text().isEmpty(), qPrintable(table));

            std::unique_ptr<XmlBase> xml(RecordKinds::createXml(code, nullptr));
            QVERIFY2(xml, qPrintable(table));
            QCOMPARE(xml->tableName(), table);

            std::unique_ptr<DBListBase> list(entry.createList(1, nullptr));
            QVERIFY2(list && list->prototype(), qPrintable(table));
            QCOMPARE(list->prototype()->tableName(), table);
            QVERIFY2(list->load(), qPrintable(table + QLatin1Char(' ') + list->errorText()));
        }

        for (const DBDefaultColumns::ColumnSet& set : DBDefaultColumns::all()) {
            const QString table = set.table();
            QVERIFY2(tables.contains(table), qPrintable(table + QStringLiteral(" is no kind's table")));
            QCOMPARE(DBDefaultColumns::forTable(table), &set);
            const QString source = set.source();
            QVERIFY2(source == table || source == table + QStringLiteral("View"),
                     qPrintable(table + QStringLiteral(" shows ") + source));
        }

        std::size_t menuItems = 0;
        for (ExportGroup group : exportGroups) {
            QVERIFY(!RecordKinds::exportItems(group).empty());
            QVERIFY(!RecordKinds::groupTitle(group).isEmpty());
            menuItems += RecordKinds::exportItems(group).size();
        }
        QCOMPARE(menuItems, entries.size());

        for (int code : {-1, 0, kindCode(lastRecordKind) + 1}) {
            QVERIFY(!RecordKinds::find(code));
            QVERIFY(!RecordKinds::createXml(code, nullptr));
            QCOMPARE(RecordKinds::tableOf(code), QString());
        }
        QCOMPARE(RecordKinds::titleOf(0), QStringLiteral("Undef"));
        QCOMPARE(RecordKinds::codeOfTable(QStringLiteral("NoSuchTable")), 0);
    }
};

TESVAR_TEST(RecordKindsTest)
#include "RecordKindsTest.moc"
