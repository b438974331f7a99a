#include "OldFiles.h"
#include "RecordCheck.h"
#include "TestData.h"
#include "TestDatabase.h"
#include "TestFolder.h"
#include "TestRows.h"
#include "TestRunner.h"

#include "content/DBArticleLight.h"
#include "content/DBLanguage.h"
#include "content/DBSpinnedArticleLight.h"
#include "core/DBSql.h"
#include "data/DBColumn.h"
#include "data/DBField.h"
#include "data/DBGUI.h"
#include "data/DBListBase.h"
#include "data/DBOptions.h"
#include "data/DBProjectBase.h"
#include "data/DBSchema.h"
#include "data/DBSettings.h"
#include "data/DBUserTable.h"
#include "exchange/RecordKinds.h"

#include <QSqlQuery>
#include <QTest>

#include <functional>
#include <memory>

using Vexal::DBBase;

namespace {

using RecordFactory = std::function<DBBase*()>;

template <class Record>
RecordFactory prototypeOf()
{
    return [] { return static_cast<DBBase*>(new Record); };
}

// Every record class: the kinds of the registry, by their lists'
// prototypes, and the records that are not exchanged. Its columns must be the
// first columns of its table, in the same order.
const QList<QPair<QByteArray, RecordFactory>>& recordClasses()
{
    static const QList<QPair<QByteArray, RecordFactory>> all = [] {
        QList<QPair<QByteArray, RecordFactory>> list;
        for (const Vexal::RecordKindEntry& entry : Vexal::RecordKinds::all()) {
            list.append({entry.table().toUtf8(), [&entry] {
                             std::unique_ptr<Vexal::DBListBase> rows(entry.createList(1, nullptr));
                             return rows->prototype()->create(nullptr);
                         }});
        }
        list.append({"DBArticleLight", prototypeOf<Vexal::DBArticleLight>()});
        list.append({"DBSpinnedArticleLight", prototypeOf<Vexal::DBSpinnedArticleLight>()});
        list.append({"DBUserTable", prototypeOf<Vexal::DBUserTable>()});
        list.append({"DBSettings", prototypeOf<Vexal::DBSettings>()});
        list.append({"DBGUI", prototypeOf<Vexal::DBGUI>()});
        list.append({"DBOptions", prototypeOf<Vexal::DBOptions>()});
        list.append({"DBColumn", prototypeOf<Vexal::DBColumn>()});
        return list;
    }();
    return all;
}

// The steps of SchemaScript::steps() a file lacks, as bringing it up to date
// takes them: those after its version, but for a step that names an object
// the file has.
QStringList lackedSteps(const OldFiles::Connection& file)
{
    QStringList objects;
    for (const QString& name : file.lines(QStringLiteral("SELECT name FROM sqlite_master")))
        objects << name.toLower();
    const QList<Vexal::SchemaScript::Step>& steps = Vexal::SchemaScript::steps();
    QStringList lacked;
    for (int i = file.lines(QStringLiteral("PRAGMA user_version")).value(0).toInt(); i < steps.size(); ++i) {
        const QString name = QLatin1String(steps.at(i).name);
        if (steps.at(i).statement || !objects.contains(name.toLower()))
            lacked << name;
    }
    return lacked;
}

// Every column of the schema that holds IDs of the table's rows: one named
// after it ("WebsiteID"), and a category's master category.
QList<QPair<QString, QString>> columnsPointingAt(const QString& table)
{
    QList<QPair<QString, QString>> found;
    for (const QString& other : columnValues(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"))) {
        for (const QString& column :
             columnValues(QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(other))) {
            if (column == table + QLatin1String("ID") || (column == QLatin1String("MasterID") && other == table))
                found.append({other, column});
        }
    }
    return found;
}

} // namespace

Q_DECLARE_METATYPE(RecordFactory)

class SchemaTest : public QObject
{
    Q_OBJECT
private slots:
    void everyTableAndViewInOrder()
    {
        TestDatabase db;
        QVERIFY2(db.isOpen(), qPrintable(db.errorText()));
        QStringList tables;
        QStringList views;
#define TESVAR_COLLECT(Name)                                                                                \
    (QString::fromLatin1(#Name).endsWith(QLatin1String("View")) ? views : tables) << Vexal::DBSql::table##Name();
        TESVAR_DB_TABLES(TESVAR_COLLECT)
#undef TESVAR_COLLECT
        tables.sort();
        views.sort();
        const QString objects = QStringLiteral("SELECT name FROM sqlite_master WHERE type = '%1' ORDER BY name");
        QCOMPARE(columnValues(objects.arg(QStringLiteral("table"))), tables);
        QCOMPARE(columnValues(objects.arg(QStringLiteral("view"))), views);
    }

    void recordColumnsMatchTheirTable_data()
    {
        QTest::addColumn<RecordFactory>("factory");
        for (const auto& entry : recordClasses())
            QTest::newRow(entry.first.constData()) << entry.second;
    }

    void recordColumnsMatchTheirTable()
    {
        QFETCH(RecordFactory, factory);
        TestDatabase db;
        QScopedPointer<DBBase> record(factory());
        // The rows a new database comes with are not this test's.
        QVERIFY(TestDatabase::exec(QStringLiteral("DELETE FROM %1;").arg(record->tableName())));
        const QStringList columns = record->columns();
        QVERIFY(!columns.isEmpty());
        QCOMPARE(columns.first(), QStringLiteral("ID"));
        const QStringList physical =
            columnValues(QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(record->tableName()));
        QVERIFY2(!physical.isEmpty(), qPrintable(record->tableName()));
        QCOMPARE(physical.mid(0, columns.size()), columns);
        // The field table declares them all: statements, copies and the
        // exchange read no other list.
        QStringList declared;
        for (const Vexal::DBField& field : record->fields())
            declared << field.column();
        QCOMPARE(declared, columns);

        // A record of a project is never written without one.
        if (auto* owned = qobject_cast<Vexal::DBProjectBase*>(record.data())) {
            QVERIFY(!owned->save());
            QCOMPARE(owned->errorText(),
                     QStringLiteral("Project ID is empty. Object: %1").arg(owned->metaObject()->className()));
            QCOMPARE(TestDatabase::rowCount(record->tableName()), 0);
            owned->setProjectId(1);
        }

        // A fresh record inserts, reads back and deletes through its own statements.
        QVERIFY2(record->save(), qPrintable(record->errorText()));
        QVERIFY(record->id() > 0);
        QScopedPointer<DBBase> loaded(record->create(nullptr));
        QVERIFY2(loaded->load(record->id()), qPrintable(loaded->errorText()));
        QVERIFY(loaded->remove());
        QCOMPARE(TestDatabase::rowCount(record->tableName()), 0);

        // Column layouts and the table list copy the base fields only; the
        // stranger is of a kind that shares no base but DBBase with any other.
        const bool baseOnly = qobject_cast<Vexal::DBColumn*>(record.data())
            || qobject_cast<Vexal::DBUserTable*>(record.data());
        Vexal::DBLanguage stranger;
        stranger.setName(QStringLiteral("stranger"));
        stranger.setComments(QStringLiteral("from another kind"));
        Vexal::DBUserTable otherStranger;
        otherStranger.setName(QStringLiteral("stranger"));
        const bool isLanguage = qobject_cast<Vexal::DBLanguage*>(record.data());
        RecordCheck::storedRowsRoundTrip(*record, !baseOnly,
                                         isLanguage ? static_cast<Vexal::DBBase*>(&otherStranger) : &stranger);

        // The rows that point at a deleted record keep pointing at its ID:
        // no record stored after it, nor a copy, takes that ID, nor one a
        // row points at past it.
        const auto saved = [&] {
            QScopedPointer<DBBase> fresh(record->create(nullptr));
            if (auto* owned = qobject_cast<Vexal::DBProjectBase*>(fresh.data()))
                owned->setProjectId(1);
            return fresh->save() ? fresh->id() : qint64(-1);
        };
        const qint64 deleted = saved();
        QVERIFY(deleted > 0);
        QList<qint64> pointed;
        for (const auto& pointer : columnsPointingAt(record->tableName())) {
            pointed << deleted + pointed.size();
            QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3);")
                                           .arg(pointer.first, pointer.second).arg(pointed.last())));
        }
        QVERIFY(TestDatabase::exec(QStringLiteral("DELETE FROM %1 WHERE ID = %2;").arg(record->tableName()).arg(deleted)));
        const qint64 added = saved();
        QVERIFY(added > 0);
        QVERIFY2(!pointed.contains(added), qPrintable(QString::number(added)));
        QVERIFY(record->copyRows(QStringLiteral("ID = %1").arg(added), {}));
        const qint64 copied =
            TestDatabase::value(QStringLiteral("SELECT max(ID) FROM %1;").arg(record->tableName())).toLongLong();
        QVERIFY(copied != added);
        QVERIFY2(!pointed.contains(copied), qPrintable(QString::number(copied)));
    }

    void viewsKeepOrphansAndCount()
    {
        TestDatabase db;
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Project (ID, Name) VALUES (1, 'P');")));
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Website (ID, Name, Type) VALUES (2, 'W', 12);")));
        QVERIFY(TestDatabase::exec(QStringLiteral(
            "INSERT INTO Account (ID, Name, ProjectID, WebsiteID, Login) VALUES (1, 'a', 1, 2, 'me'), "
            "(2, 'orphan', 99, 98, 'x');")));
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("AccountView")), 2);
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT ProjectName || WebsiteName || Type FROM AccountView "
                                                    "WHERE ID = 1;")).toString(),
                 QStringLiteral("PW12"));
        QVERIFY(TestDatabase::value(QStringLiteral("SELECT ProjectName FROM AccountView WHERE ID = 2;")).isNull());

        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Article (ID, Name, ProjectID) VALUES (5, 'art', 1), "
                                                  "(6, 'none', 1);")));
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO SpunArticle (Name, ProjectID, ArticleID) VALUES "
                                                  "('s1', 1, 5), ('s2', 1, 5), ('s3', 1, 77);")));
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT SpunCount FROM ArticleView WHERE ID = 5;")).toInt(), 2);
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT SpunCount FROM ArticleView WHERE ID = 6;")).toInt(), 0);
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("SpunArticleView")), 3);

        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Category (ID, Name, MasterID) VALUES (1, 'Top', -1), "
                                                  "(2, 'Sub', 1);")));
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT MasterName FROM CategoryView WHERE ID = 2;")).toString(),
                 QStringLiteral("Top"));
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("CategoryView")), 2);
    }

    // A new database lists in the database browser every kind of record a
    // user keeps, under the name of its export, and nothing else.
    void browserListsEveryKindOfRecord()
    {
        TestDatabase db;
        QStringList kinds;
        for (const Vexal::RecordKindEntry& entry : Vexal::RecordKinds::all())
            kinds << entry.table() + QStringLiteral(" / ") + entry.title();
        kinds.sort();
        QCOMPARE(columnValues(QStringLiteral("SELECT Name || ' / ' || FriendlyName FROM UserTable ORDER BY 1")), kinds);
    }

    // A file of each schema the program has written is brought up to date
    // once, taking the steps of SchemaScript::steps() it lacks: those after
    // its version, but for a step that names an object the file has. It
    // then has the schema of a new file as SQLite describes it (objects,
    // tables' columns, version mark) and every value it had, a column a step
    // added at its default and a row a step added as a new file has it; a
    // second open takes no step and leaves the file's bytes as they were. A
    // file of a newer version, and one that needs a step but cannot be
    // written, is refused with the cause and left unchanged; a file of
    // another program is left alone. So a step added to the script is
    // checked here with no test of its own.
    void fileOfAnEarlierVersionIsBroughtUpToDateOnce_data()
    {
        addColumns<QString, int, bool, QString>("build", "mark", "readOnly", "refusal");
        const int newer = Vexal::DBSchema::version() + 1;
        QTest::newRow("05be2ea: no index") << "05be2ea" << -1 << false << "";
        QTest::newRow("2434833: index, no mark") << "2434833" << -1 << false << "";
        QTest::newRow("05be2ea marked 0") << "05be2ea" << 0 << false << "";
        QTest::newRow("new file") << "new" << -1 << false << "";
        QTest::newRow("new file, read-only") << "new" << -1 << true << "";
        QTest::newRow("another program's file") << "other" << -1 << false << "";
        QTest::newRow("newer version") << "new" << newer << false
                                       << "was made by a newer version of the program (its schema is "
                + QString::number(newer);
        QTest::newRow("newer version, read-only") << "new" << newer << true << "was made by a newer version";
        // %1: the first step the file lacks, or the last when it lacks
        // none but the mark.
        QTest::newRow("05be2ea, read-only") << "05be2ea" << -1 << true
                                            << "could not be brought up to date (step %1: "
                                               "attempt to write a readonly database)";
        QTest::newRow("2434833, read-only") << "2434833" << -1 << true
                                            << "could not be brought up to date (step %1: "
                                               "attempt to write a readonly database)";
    }

    void fileOfAnEarlierVersionIsBroughtUpToDateOnce()
    {
        QFETCH(QString, build);
        QFETCH(int, mark);
        QFETCH(bool, readOnly);
        QFETCH(QString, refusal);
        TestFolder folder;
        const QString path = folder.file(QStringLiteral("TesvarBrowser.db"));
        if (build == QLatin1String("new")) {
            OldFiles::Connection file(path);
            QVERIFY(Vexal::DBSchema::create(file.db()));
            QCOMPARE(file.exec({QStringLiteral("PRAGMA journal_mode = WAL")}), QString());
        } else if (build == QLatin1String("other")) {
            QCOMPARE(OldFiles::Connection(path).exec({QStringLiteral("CREATE TABLE Project (ID INTEGER, Active "
                                                                     "INTEGER)")}),
                     QString());
        } else {
            QCOMPARE(OldFiles::make(path, build), QString());
        }
        if (mark >= 0)
            QCOMPARE(OldFiles::Connection(path).exec({QStringLiteral("PRAGMA user_version = %1").arg(mark)}),
                     QString());
        const QByteArray bytes = OldFiles::bytes(path);
        OldFiles::Connection::Values values;
        QStringList schema;
        QStringList steps;
        {
            OldFiles::Connection file(path);
            values = file.values();
            schema = file.schema();
            // Another program's file takes none.
            if (build != QLatin1String("other"))
                steps = lackedSteps(file);
        }
        QVERIFY(!values.isEmpty() || build == QLatin1String("other"));
        if (refusal.contains(QLatin1String("%1")))
            refusal = refusal.arg(steps.isEmpty() ? QString::fromLatin1(Vexal::SchemaScript::steps().last().name)
                                                  : steps.first());

        const QString options = readOnly ? QStringLiteral("QSQLITE_OPEN_READONLY") : QString();
        for (int open = 1; open <= 2; ++open) {
            const QByteArray before = OldFiles::bytes(path);
            QString error;
            QStringList taken{QStringLiteral("not set")};
            bool done = false;
            {
                OldFiles::Connection file(path, options);
                QVERIFY(file.db().isOpen());
                done = Vexal::DBSchema::bringUpToDate(file.db(), &error, &taken);
            }
            if (!refusal.isEmpty()) {
                QVERIFY(!done);
                QVERIFY2(error.startsWith(QStringLiteral("the file %1 ").arg(path)) && error.contains(refusal)
                             && error.endsWith(QLatin1String("; it was left as it is.")),
                         qPrintable(error));
                QCOMPARE(OldFiles::bytes(path), bytes);
                return;
            }
            QVERIFY2(done, qPrintable(error));
            QCOMPARE(taken, open == 1 ? steps : QStringList());
            const OldFiles::Connection file(path);
            if (build == QLatin1String("other") || readOnly) {
                QCOMPARE(file.values(), values);
                QCOMPARE(OldFiles::bytes(path), bytes);
                continue;
            }
            QCOMPARE(file.differsFrom(values, OldFiles::newFileValues()), QString());
            QCOMPARE(file.schema(), OldFiles::newFileSchema());
            QCOMPARE(file.lines(QStringLiteral("PRAGMA integrity_check")), QStringList{"ok"});
            if (open == 2 || schema == OldFiles::newFileSchema())
                QCOMPARE(OldFiles::bytes(path), before);
        }
    }

    // A step that gives its own statement (a column added to a table) runs
    // it once in a file of the version before, keeping the rows, each with
    // the column's default; one that fails leaves the file as it was.
    void stepWithItsOwnStatement_data()
    {
        addColumns<QString, QString>("statement", "refusal");
        QTest::newRow("a column") << "ALTER TABLE Project ADD COLUMN StepNote TEXT"
                                  << "";
        QTest::newRow("a column with a default") << "ALTER TABLE Project ADD COLUMN StepNote TEXT DEFAULT 'none'"
                                                 << "";
        QTest::newRow("a column of no table") << "ALTER TABLE Nowhere ADD COLUMN StepNote TEXT"
                                              << "could not be brought up to date (step StepNote: no such table";
    }

    void stepWithItsOwnStatement()
    {
        QFETCH(QString, statement);
        QFETCH(QString, refusal);
        TestFolder folder;
        const QString path = folder.file(QStringLiteral("TesvarBrowser.db"));
        OldFiles::Connection::Values values;
        {
            OldFiles::Connection file(path);
            QVERIFY(Vexal::DBSchema::create(file.db()));
            QCOMPARE(file.exec(Vexal::SchemaScript::statements(OldFiles::script(QStringLiteral("rows")))), QString());
            values = file.values();
        }
        const QByteArray text = statement.toUtf8();
        QList<Vexal::SchemaScript::Step> steps = Vexal::SchemaScript::steps();
        steps.append(Vexal::SchemaScript::Step{"StepNote", text.constData()});
        const QByteArray bytes = OldFiles::bytes(path);
        for (int open = 1; open <= 2; ++open) {
            QString error;
            QStringList taken;
            bool done = false;
            {
                OldFiles::Connection file(path);
                done = Vexal::DBSchema::bringUpToDate(file.db(), steps, &error, &taken);
            }
            if (!refusal.isEmpty()) {
                QVERIFY2(!done && error.contains(refusal), qPrintable(error));
                QCOMPARE(OldFiles::bytes(path), bytes);
                return;
            }
            QVERIFY2(done, qPrintable(error));
            QCOMPARE(taken, open == 1 ? QStringList{"StepNote"} : QStringList());
            const OldFiles::Connection file(path);
            QCOMPARE(file.differsFrom(values, {}), QString());
            QCOMPARE(file.lines(QStringLiteral("PRAGMA user_version")), QStringList{QString::number(steps.size())});
            const QString added = file.columns(QStringLiteral("Project")).last();
            QVERIFY2(added.startsWith(QLatin1String("StepNote|TEXT|")), qPrintable(added));
            // The projects' values, one of them in the added column.
            const auto projects = file.values().value(QStringLiteral("Project"));
            QVERIFY(!projects.isEmpty());
            for (const auto& project : projects)
                QCOMPARE(project.value(QStringLiteral("StepNote")),
                         statement.contains(QLatin1String("DEFAULT")) ? QStringLiteral("none")
                                                                      : QStringLiteral("NULL"));
        }
    }

    // Steps that name an object make it as the script does where the file
    // lacks it: a table of a kind newer than an unmarked file (which is no
    // other program's file for lacking it), a view that a step of its own
    // statement dropped before (as a view that changes is made again).
    void stepsThatNameObjects_data()
    {
        addColumns<QString, QStringList, QStringList, QStringList>("build", "setup", "names", "statements");
        QTest::newRow("a table of a newer kind, a file of 05be2ea")
            << "05be2ea" << QStringList{"DROP TABLE Word"} << QStringList{"Word", "IdxWordLanguageID"}
            << QStringList{"", ""};
        QTest::newRow("a view dropped, then made by its name")
            << "new" << QStringList() << QStringList{"DropCategoryView", "CategoryView"}
            << QStringList{"DROP VIEW CategoryView", ""};
    }

    void stepsThatNameObjects()
    {
        QFETCH(QString, build);
        QFETCH(QStringList, setup);
        QFETCH(QStringList, names);
        QFETCH(QStringList, statements);
        TestFolder folder;
        const QString path = folder.file(QStringLiteral("TesvarBrowser.db"));
        if (build != QLatin1String("new"))
            QCOMPARE(OldFiles::make(path, build), QString());
        QStringList expected;
        {
            OldFiles::Connection file(path);
            if (build == QLatin1String("new"))
                QVERIFY(Vexal::DBSchema::create(file.db()));
            QCOMPARE(file.exec(setup), QString());
            expected = lackedSteps(file);
        }
        QList<QByteArray> texts;
        QList<Vexal::SchemaScript::Step> steps = Vexal::SchemaScript::steps();
        for (int i = 0; i < names.size(); ++i) {
            texts << names.at(i).toUtf8() << statements.at(i).toUtf8();
            steps.append(Vexal::SchemaScript::Step{
                texts.at(2 * i).constData(), statements.at(i).isEmpty() ? nullptr : texts.at(2 * i + 1).constData()});
        }
        QString error;
        QStringList taken;
        {
            OldFiles::Connection file(path);
            QVERIFY2(Vexal::DBSchema::bringUpToDate(file.db(), steps, &error, &taken), qPrintable(error));
        }
        QCOMPARE(taken, expected + names);
        // The schema of a new file, but for the mark.
        QStringList schema = OldFiles::Connection(path).schema();
        QStringList fresh = OldFiles::newFileSchema();
        QCOMPARE(schema.takeLast(), QString::number(steps.size()));
        fresh.removeLast();
        QCOMPARE(schema, fresh);
    }

    // Only whole comment lines are dropped; one after a statement would stay in it.
    void scriptIsWhole()
    {
        for (const QString& statement : Vexal::DBSchema::statements())
            QVERIFY2(!statement.contains(QLatin1String("--")), qPrintable(statement));
    }
};

TESVAR_TEST(SchemaTest)
#include "SchemaTest.moc"
