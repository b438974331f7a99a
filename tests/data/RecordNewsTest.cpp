#include "FreshDatabaseTest.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "core/RecordChanges.h"
#include "core/UtilSignalManager.h"
#include "data/DBConnection.h"
#include "data/DBRecordNews.h"

#include <QSqlQuery>
#include <QTest>
#include <QThread>

#include <sqlite3.h>

#include <memory>

using namespace Vexal;

namespace {

// The news as text: each table with its rowid ranges ("a-b"), or "any".
QString describe(const RecordChanges& changes)
{
    QStringList tables = changes.tables();
    tables.sort();
    QStringList parts;
    for (const QString& table : tables) {
        const RowIdSet* rows = changes.rowsOf(table);
        QStringList ranges;
        for (const RowIdSet::Range& range : rows ? rows->ranges() : QVector<RowIdSet::Range>())
            ranges << QStringLiteral("%1-%2").arg(range.first).arg(range.second);
        parts << table + QLatin1Char(':') + (rows ? ranges.join(QLatin1Char(',')) : QStringLiteral("any"));
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

// The record news say which rows of which tables committed transactions
// changed, on the window's connection and on a job's, and the lists learn
// which tables a source lists and which table gives its IDs.
class RecordNewsTest : public FreshDatabaseTest
{
    Q_OBJECT

private slots:
    void sourcesNameTheirTables_data()
    {
        QTest::addColumn<QString>("made");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("idTable");
        QTest::newRow("table") << "" << "project" << QStringList{"Project"} << "Project";
        QTest::newRow("view of several tables")
            << "" << "ArticleView" << QStringList{"Article", "Category", "Project", "SpunArticle"} << "Article";
        QTest::newRow("view of one table") << "" << "MasterAccountView" << QStringList{"MasterAccount"} << "MasterAccount";
        // A category's name shows in the rows of its sub-categories too.
        QTest::newRow("view reading its table twice") << "" << "CategoryView" << QStringList{"Category"} << "";
        QTest::newRow("unknown name") << "" << "Nowhere" << QStringList{"Nowhere"} << "";
        // A view's reads name the tables of the views it reads, also those
        // of columns it leaves out.
        QTest::newRow("view of a view")
            << "CREATE VIEW ArticleNames AS SELECT ID, Name FROM ArticleView" << "ArticleNames"
            << QStringList{"Article", "Category", "Project", "SpunArticle"} << "Article";
        QTest::newRow("table read in a condition only")
            << "CREATE VIEW SpunProjects AS SELECT ID, Name FROM Project p WHERE EXISTS "
               "(SELECT 1 FROM SpunArticle s WHERE s.ProjectID = p.ID)"
            << "SpunProjects" << QStringList{"Project", "SpunArticle"} << "Project";
        QTest::newRow("column named like a table")
            << "CREATE VIEW CategoryWords AS SELECT ID, Name AS Word FROM Category" << "CategoryWords"
            << QStringList{"Category"} << "Category";
        QTest::newRow("table read through an index")
            << "CREATE VIEW WordNames AS SELECT l.ID AS ID, (SELECT COUNT(*) FROM Word w WHERE w.LanguageID = l.ID) "
               "AS Words FROM Language l"
            << "WordNames" << QStringList{"Language", "Word"} << "Language";
    }

    void sourcesNameTheirTables()
    {
        QFETCH(QString, made);
        QFETCH(QString, source);
        QFETCH(QStringList, listed);
        QFETCH(QString, idTable);
        if (!made.isEmpty())
            QVERIFY(TestDatabase::exec(made));
        QStringList tables = DBRecordNews::tablesListedBy(source);
        tables.sort();
        QCOMPARE(tables, listed);
        QCOMPARE(DBRecordNews::idTableOf(source), idTable);
    }

    // The record news put an authorizer of their own in place while they
    // learn what a source reads: the one the program set before is in force
    // again after, and none is left where none was.
    void authorizerSetBeforeStays()
    {
        QSqlDatabase db = DBConnection::current();
        QVERIFY(TestDatabase::exec(QStringLiteral("CREATE VIEW AuthorizedNames AS SELECT ID, Name FROM Project")));
        struct Counted
        {
            static int authorize(void* context, int action, const char*, const char*, const char*, const char*)
            {
                if (action == SQLITE_READ)
                    ++*static_cast<int*>(context);
                return SQLITE_OK;
            }
        };
        int reads = 0;
        DBRecordNews::setAuthorizer(db, &Counted::authorize, &reads);
        QCOMPARE(DBRecordNews::tablesListedBy(QStringLiteral("AuthorizedNames")), QStringList{"Project"});
        reads = 0;
        QSqlQuery query(db);
        QVERIFY(query.exec(QStringLiteral("SELECT Name FROM Category")));
        QVERIFY(reads > 0);

        DBRecordNews::setAuthorizer(db, nullptr, nullptr);
        QCOMPARE(DBRecordNews::tablesListedBy(QStringLiteral("CategoryView")), QStringList{"Category"});
        reads = 0;
        QVERIFY(query.exec(QStringLiteral("SELECT Name FROM Category")));
        QCOMPARE(reads, 0);
    }

    void newsNameTheRowsStored_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<bool>("onJobThread");
        QTest::addColumn<QString>("news");
        const QStringList stored{
            "INSERT INTO Project (ID, Name) VALUES (10, 'a'), (11, 'b'), (12, 'c'), (20, 'd')",
            "INSERT INTO Category (ID, Name) VALUES (5, 'x')", "UPDATE Project SET Name = 'z' WHERE ID = 13",
            "DELETE FROM Project WHERE ID = 20", "INSERT INTO Project (ID, Name) VALUES (9, 'e')"};
        for (bool job : {false, true}) {
            const QString where = job ? QStringLiteral(", on a job's thread") : QString();
            QTest::newRow(qPrintable("inserted, updated, deleted" + where))
                << stored << job << "Category:5-5 Project:9-12,20-20";
            QTest::newRow(qPrintable("in one transaction" + where))
                << (QStringList{"BEGIN"} + stored + QStringList{"COMMIT"}) << job << "Category:5-5 Project:9-12,20-20";
            QTest::newRow(qPrintable("rolled back" + where))
                << (QStringList{"BEGIN"} + stored + QStringList{"ROLLBACK"}) << job << "";
            // Past the ranges kept: only that the table changed.
            QTest::newRow(qPrintable("scattered rows" + where))
                << QStringList{"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1100) "
                               "INSERT INTO Project (ID, Name) SELECT i * 2, 'p' FROM n"}
                << job << "Project:any";
        }
    }

    void newsNameTheRowsStored()
    {
        QFETCH(QStringList, statements);
        QFETCH(bool, onJobThread);
        QFETCH(QString, news);
        RecordChanges heard;
        int deliveries = 0;
        QObject listener;
        QObject::connect(UtilSignalManager::instance(), &UtilSignalManager::onRecordsChanged, &listener,
                         [&](const RecordChanges& changes) {
                             heard.unite(changes);
                             ++deliveries;
                         });
        QString failed;
        auto run = [&statements, &failed] {
            QSqlDatabase db = DBConnection::current();
            for (const QString& statement : statements) {
                QSqlQuery query(db);
                if (!query.exec(statement))
                    failed += statement;
            }
        };
        if (onJobThread) {
            std::unique_ptr<QThread> job(QThread::create(run));
            job->start();
            QVERIFY(job->wait(30000));
        } else {
            run();
        }
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        // Nothing before the window's next turn, then all of it at once.
        QCOMPARE(deliveries, 0);
        QCoreApplication::processEvents();
        QCOMPARE(describe(heard), news);
        QCOMPARE(deliveries, news.isEmpty() ? 0 : 1);
    }

    // Changes of several transactions unite: the ranges of one table merge,
    // a table of any row stays so.
    void changesUnite()
    {
        RecordChanges first;
        first.add(QStringLiteral("Project"), 1);
        first.add(QStringLiteral("Project"), 3);
        first.addTable(QStringLiteral("Category"));
        RecordChanges second;
        second.add(QStringLiteral("project"), 2);
        second.add(QStringLiteral("Category"), 7);
        second.add(QStringLiteral("Word"), 4);
        first.unite(second);
        QCOMPARE(describe(first), QStringLiteral("Category:any Project:1-3 Word:4-4"));
        QVERIFY(first.touchesAny({QStringLiteral("word")}));
        QVERIFY(!first.touchesAny({QStringLiteral("Article")}));
        QCOMPARE(describe(first.of({QStringLiteral("Word"), QStringLiteral("Article")})), QStringLiteral("Word:4-4"));
    }
};

TESVAR_TEST(RecordNewsTest)
#include "RecordNewsTest.moc"
