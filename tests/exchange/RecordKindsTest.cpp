#include "TestDatabase.h"
#include "TestRunner.h"

#include "data/DBBase.h"
#include "data/DBConnection.h"
#include "data/DBDefaultColumns.h"
#include "data/DBListBase.h"
#include "exchange/RecordKinds.h"
#include "exchange/XmlBase.h"

#include <QMap>
#include <QSet>
#include <QTest>

#include <memory>

using namespace Vexal;

class RecordKindsTest : public QObject
{
    Q_OBJECT
private slots:
    // Every code once and in order; the Xml class, the list class and the
    // column set of a kind all read the kind's own table; every column set
    // belongs to one kind; each export submenu places its kinds at distinct
    // positions, a separator never first.
    void everyKindAgreesWithItsTable()
    {
        TestDatabase db;
        const QStringList schemaTables = DBConnection::current().tables();
        const std::vector<RecordKindEntry>& entries = RecordKinds::all();
        QCOMPARE(int(entries.size()), kindCode(lastRecordKind));
        QCOMPARE(kindCode(firstRecordKind), 1);

        QSet<QString> tables;
        QSet<QString> titles;
        QSet<int> columnSets;
        QMap<int, QSet<int>> menuPositions;
        for (int i = 0; i < int(entries.size()); ++i) {
            const RecordKindEntry& entry = entries[i];
            const int code = kindCode(entry.kind);
            const QString table = entry.table();
            QCOMPARE(code, i + 1);
            QCOMPARE(RecordKinds::find(code), &entry);
            QVERIFY2(schemaTables.contains(table), qPrintable(table));
            QVERIFY2(!tables.contains(table), qPrintable(table));
            tables << table;
            QCOMPARE(RecordKinds::codeOfTable(table.toLower()), code);
            QVERIFY2(!titles.contains(entry.title()), qPrintable(table));
            titles << entry.title();

            std::unique_ptr<XmlBase> xml(RecordKinds::createXml(code, nullptr));
            QVERIFY2(xml, qPrintable(table));
            QCOMPARE(xml->tableName(), table);

            std::unique_ptr<DBListBase> list(entry.createList(1, nullptr));
            QVERIFY2(list && list->prototype(), qPrintable(table));
            QCOMPARE(list->prototype()->tableName(), table);
            QVERIFY2(list->load(), qPrintable(table + QLatin1Char(' ') + list->errorText()));

            if (entry.columns != DBDefaultColumns::NoSet) {
                QVERIFY2(!columnSets.contains(entry.columns), qPrintable(table));
                columnSets << entry.columns;
                const QString source = DBDefaultColumns::set(entry.columns).source();
                QVERIFY2(source == table || source == table + QStringLiteral("View"),
                         qPrintable(table + QStringLiteral(" shows ") + source));
            }

            const ExportMenuItem& item = entry.menu;
            QVERIFY2(!item.text().isEmpty(), qPrintable(table));
            QSet<int>& positions = menuPositions[int(item.group)];
            QVERIFY2(!positions.contains(item.position), qPrintable(table));
            positions << item.position;
        }
        QCOMPARE(columnSets.size(), int(DBDefaultColumns::SetCount));

        int menuItems = 0;
        for (ExportGroup group : exportGroups) {
            const std::vector<const RecordKindEntry*> items = RecordKinds::exportItems(group);
            QVERIFY(!items.empty());
            QVERIFY(!RecordKinds::groupTitle(group).isEmpty());
            QVERIFY(!items.front()->menu.separatorBefore);
            menuItems += int(items.size());
        }
        QCOMPARE(menuItems, int(entries.size()));

        for (int code : {-1, 0, 28}) {
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
