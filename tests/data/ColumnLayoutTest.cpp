#include "TestData.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "data/DBColumn.h"
#include "data/DBColumnList.h"
#include "data/DBDefaultColumns.h"
#include "core/DBSql.h"

#include <QTest>

using namespace Vexal;

namespace {

using AddSet = void (DBColumnList::*)();

// The named builders, each with the table whose set it builds.
const QList<QPair<AddSet, QString (*)()>> namedBuilders = {
    {&DBColumnList::addBookmarkColumns, &DBSql::tableBookmark},
    {&DBColumnList::addProjectColumns, &DBSql::tableProject},
    {&DBColumnList::addHistoryColumns, &DBSql::tableHistory},
    {&DBColumnList::addSynonymColumns, &DBSql::tableSynonym},
    {&DBColumnList::addSpinnedArticleColumns, &DBSql::tableSpunArticle},
    {&DBColumnList::addArticleColumns, &DBSql::tableArticle},
    {&DBColumnList::addCategoryColumns, &DBSql::tableCategory},
    {&DBColumnList::addSocialBookmarkColumns, &DBSql::tableSocialBookmark},
    {&DBColumnList::addAccountColumns, &DBSql::tableAccount},
    {&DBColumnList::addWebsiteColumns, &DBSql::tableWebsite},
    {&DBColumnList::addMasterAccountColumns, &DBSql::tableMasterAccount},
    {&DBColumnList::addSocialBookmarkTemplateColumns, &DBSql::tableSocialBookmarkTemplate},
    {&DBColumnList::addRegistrationTemplateColumns, &DBSql::tableRegistrationTemplate},
    {&DBColumnList::addLoginTemplateColumns, &DBSql::tableLoginTemplate},
    {&DBColumnList::addDirectoryTemplateColumns, &DBSql::tableDirectoryTemplate},
    {&DBColumnList::addArticleTemplateColumns, &DBSql::tableArticleTemplate},
    {&DBColumnList::addDirectoryColumns, &DBSql::tableDirectory},
    {&DBColumnList::addRankColumns, &DBSql::tableRank},
    {&DBColumnList::addUrlShortcutColumns, &DBSql::tableUrlShortcut},
    {&DBColumnList::addFirstNameColumns, &DBSql::tableFirstName},
    {&DBColumnList::addLastNameColumns, &DBSql::tableLastName},
    {&DBColumnList::addCountryColumns, &DBSql::tableCountry},
    {&DBColumnList::addCityColumns, &DBSql::tableCity},
    {&DBColumnList::addAddressColumns, &DBSql::tableAddress},
};

DBColumnList* build(const QString& table, QObject* parent)
{
    const DBDefaultColumns::ColumnSet* set = DBDefaultColumns::forTable(table);
    auto* list = new DBColumnList(set ? set->id() : QString(), parent);
    list->addDefaultColumns(set);
    return list;
}

} // namespace

class ColumnLayoutTest : public QObject
{
    Q_OBJECT
private slots:
    // A seed that already has an id keeps it for the first column.
    void storedSeedNumbersColumns()
    {
        QObject owner;
        DBColumn stored;
        stored.setId(40);
        DBColumn first(&stored, &owner);
        DBColumn second(&stored, &owner);
        QCOMPARE(first.id(), 40);
        QCOMPARE(second.id(), 39);
        QCOMPARE(stored.id(), 38);
    }

    void listQueries()
    {
        DBColumnList list(QStringLiteral("{BDBBF885-2669-402D-9177-73DF8546D6A6}"));
        list.addUrlShortcutColumns();
        list.at(3)->setVisualIndex(0);
        list.at(0)->setVisualIndex(3);
        QCOMPARE(list.logicalIndexAt(0), 3);
        QCOMPARE(list.logicalIndexAt(3), 0);
        QCOMPARE(list.logicalIndexAt(4), 4);
        QCOMPARE(list.logicalIndexAt(17), 0);
    }

    // Layouts of two widgets are saved in one table and come back apart.
    void layoutsSaveAndLoadPerWidget()
    {
        TestDatabase db;
        const QString articles = DBDefaultColumns::forTable(DBSql::tableArticle())->id();
        const QString ranks = DBDefaultColumns::forTable(DBSql::tableRank())->id();
        {
            QObject owner;
            for (DBColumnList* list : {build(DBSql::tableArticle(), &owner), build(DBSql::tableRank(), &owner)}) {
                for (int i = 0; i < list->count(); ++i)
                    list->at(i)->setId(-1);
                QVERIFY2(list->saveAll(), qPrintable(list->errorText()));
            }
        }
        QCOMPARE(TestDatabase::rowCount(DBSql::tableColumn()), 10 + 7);

        DBColumnList list(articles);
        QVERIFY2(list.load(), qPrintable(list.errorText()));
        QCOMPARE(list.count(), 10);
        for (int i = 0; i < list.count(); ++i) {
            QVERIFY(list.at(i)->id() > 0);
            QCOMPARE(list.at(i)->widgetId(), articles);
            QCOMPARE(list.at(i)->logicalIndex(), i);
        }
        QCOMPARE(list.at(9)->width(), 150); // a width of its own comes back too

        DBColumnList rankList(ranks);
        QVERIFY(rankList.load());
        QCOMPARE(rankList.count(), 7);
        QCOMPARE(rankList.at(4)->type(), int(DBColumn::KindDate));

        // Hiding a stored column everywhere does not mark it: saving writes nothing.
        const int before = totalChanges();
        rankList.at(4)->hideEverywhere();
        QVERIFY(rankList.saveAll());
        QCOMPARE(totalChanges(), before);
        rankList.at(4)->setVisibleInView(false);
        QVERIFY(rankList.saveAll());
        QCOMPARE(totalChanges(), before + 1);

        DBColumnList unknown(QStringLiteral("{00000000-0000-0000-0000-000000000000}"));
        QVERIFY(unknown.load());
        QCOMPARE(unknown.count(), 0);
    }

    void defaultSets()
    {
        QObject owner;
        for (const DBDefaultColumns::ColumnSet& set : DBDefaultColumns::all()) {
            DBColumnList* list = build(set.table(), &owner);
            const QString widgetId = set.id();
            const bool nameHidden = set.table() == DBSql::tableBookmark() || set.table() == DBSql::tableHistory();
            QCOMPARE(list->at(1)->visible(), !nameHidden);
            QVERIFY(!list->at(0)->visible() && !list->at(2)->visible());
            for (int i = 0; i < list->count(); ++i) {
                const DBColumn* column = list->at(i);
                QCOMPARE(column->id(), -(i + 2));
                QCOMPARE(column->visualIndex(), i);
                QCOMPARE(column->widgetId(), widgetId);
                QCOMPARE(column->width(), column->name() == QLatin1String("SpunCount") ? 150 : 100);
                const bool hiddenEverywhere = column->type() == DBColumn::KindIcon
                    || (column->name() == QLatin1String("Type"));
                QCOMPARE(column->visibleInView(), !hiddenEverywhere);
                QCOMPARE(column->visibleInFilter(), !hiddenEverywhere);
            }
        }
        // Each named builder builds the set of its table.
        for (const auto& named : namedBuilders) {
            DBColumnList list(DBDefaultColumns::forTable(named.second())->id());
            (list.*named.first)();
            QVERIFY2(list.count() > 3, qPrintable(named.second()));
            QCOMPARE(list.at(3)->widgetId(), list.widgetId());
        }
    }
};

TESVAR_TEST(ColumnLayoutTest)
#include "ColumnLayoutTest.moc"
