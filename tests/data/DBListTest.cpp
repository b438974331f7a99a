#include "TestDatabase.h"
#include "TestRows.h"
#include "TestRunner.h"

#include "data/DBConnection.h"
#include "data/DBID.h"
#include "data/DBIDList.h"
#include "data/DBProject.h"
#include "data/DBProjectList.h"
#include "core/DBSql.h"
#include "data/DBText.h"

#include <QSqlQuery>
#include <QTest>
#include <QThread>

using Vexal::DBBase;
using Vexal::DBID;
using Vexal::DBIDList;
using Vexal::DBProject;
using Vexal::DBProjectList;

namespace {

// Projects whose name contains a text given by the user, bound literally.
class NameLikeList : public Vexal::DBListBase
{
    Q_OBJECT
public:
    NameLikeList(const QString& text, QObject* parent = nullptr)
        : DBListBase(parent)
        , m_text(text)
    {
        setPrototype(new DBProject(this));
    }
    QString whereText() const override
    {
        return QStringLiteral("%1 LIKE :Pattern %2").arg(Vexal::DBSql::colName(), Vexal::DBText::likeEscape());
    }
    QString orderText() const override { return QStringLiteral("ORDER BY ID"); }
    void bindWhere(QSqlQuery& query) const override
    {
        query.bindValue(QStringLiteral(":Pattern"),
                        QString(QLatin1Char('%') + Vexal::DBText::escapeLike(m_text) + QLatin1Char('%')));
    }

private:
    QString m_text;
};

// A list with a condition given as text.
class WhereList : public Vexal::DBListBase
{
    Q_OBJECT
public:
    explicit WhereList(const QString& where)
        : m_where(where)
    {
        setPrototype(new DBProject(this));
    }
    QString whereText() const override { return m_where; }

private:
    QString m_where;
};

void addProject(const QString& name, bool active = false)
{
    DBProject project;
    project.setName(name);
    project.setActive(active);
    QVERIFY2(project.save(), qPrintable(project.errorText()));
}

QStringList names(const Vexal::DBListBase& list)
{
    QStringList result;
    for (int i = 0; i < list.count(); ++i)
        result << list.at(i)->name();
    return result;
}

// Loads, changes and inserts projects on its own thread.
class Worker : public QThread
{
public:
    bool release = true;
    bool loaded = false;
    bool saved = false;
    int count = -1;
    QString connectionName;
    QString error;

protected:
    void run() override
    {
        {
            DBProjectList list;
            loaded = list.load();
            count = list.count();
            error = list.errorText();
            for (int i = 0; i < list.count(); ++i)
                list.at(i)->setUrl(QStringLiteral("http://worker.example/"));
            DBProject extra(&list);
            extra.setName(QStringLiteral("From worker"));
            saved = list.saveAll() && extra.save();
            if (!saved)
                error = list.errorText() + extra.errorText();
            connectionName = Vexal::DBConnection::threadConnectionName();
        }
        if (release)
            Vexal::DBConnection::releaseThreadConnection();
    }
};

// Counts projects on whatever thread it lives on.
class Counter : public QObject
{
    Q_OBJECT
public slots:
    int count()
    {
        DBProjectList list;
        return list.load() ? list.count() : -1;
    }
};

} // namespace

class DBListTest : public QObject
{
    Q_OBJECT
private slots:
    void loadDeleteAndFailures()
    {
        TestDatabase db;
        addProject(QStringLiteral("beta"));
        addProject(QStringLiteral("Alpha"), true);
        addProject(QStringLiteral("gamma"));

        DBProjectList list;
        QVERIFY(list.load());
        QCOMPARE(names(list), QStringList({"beta", "Alpha", "gamma"}));
        QVERIFY(list.contains(list.at(1)->id()));
        QVERIFY(list.hasRows());
        list.sortByName();
        QCOMPARE(names(list), QStringList({"Alpha", "beta", "gamma"}));

        DBProjectList active(true);
        QVERIFY(active.load());
        QCOMPARE(names(active), QStringList({"Alpha"}));
        QCOMPARE(Vexal::DBStateProbe::state(active.at(0)), int(DBBase::StateClean));

        WhereList none(QStringLiteral("ID < 0"));
        QVERIFY(none.load());
        QCOMPARE(none.count(), 0);
        QVERIFY(!none.hasRows());

        // A failing select empties the list and reports the whole statement.
        WhereList bad(QStringLiteral("NoSuchColumn = 1"));
        QVERIFY(!bad.load());
        QCOMPARE(bad.count(), 0);
        QVERIFY(bad.errorText().contains(QStringLiteral("no such column: NoSuchColumn")));
        QVERIFY(bad.errorText().endsWith(QStringLiteral("Query: \"%1\"").arg(bad.selectText())));
        QVERIFY(!list.exec(QStringLiteral("SELECT * FROM Nowhere;")));
        const QString earlier = list.errorText();
        QVERIFY(list.load()); // a later success keeps the error text
        QCOMPARE(list.errorText(), earlier);

        const int first = list.at(0)->id();
        const int third = list.at(2)->id();
        QVERIFY(list.deleteRows(Vexal::DBSql::tableProject(), {first, third}));
        QCOMPARE(list.count(), 3); // the records in memory stay
        QVERIFY(list.deleteRows(Vexal::DBSql::tableProject(), {}));
        QCOMPARE(TestDatabase::rowCount(Vexal::DBSql::tableProject()), 1);
        QVERIFY(list.load());
        QCOMPARE(names(list), QStringList({"Alpha"}));
    }

    void saveAllAndRemoveAll()
    {
        TestDatabase db;
        DBProjectList list;
        auto* one = new DBProject;
        one->setName(QStringLiteral("one"));
        list.append(one);
        QCOMPARE(one->parent(), &list);
        auto* two = new DBProject;
        two->setId(1000);
        list.append(two);
        auto* three = new DBProject;
        list.append(three);
        // The second fails: same explicit id as a row inserted meanwhile.
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Project (ID, Name) VALUES (1000, 'taken');")));
        QVERIFY(!list.saveAll());
        QCOMPARE(list.errorText(), two->errorText());
        QVERIFY(list.errorText().contains(QStringLiteral("UNIQUE")));
        QVERIFY(one->id() > 0);
        QCOMPARE(three->id(), -1); // never attempted
        QCOMPARE(TestDatabase::rowCount(Vexal::DBSql::tableProject()), 2);

        // removeAll stops at the failure and keeps every record.
        QVERIFY(TestDatabase::exec(QStringLiteral("CREATE TRIGGER NoDelete BEFORE DELETE ON Project WHEN OLD.ID = 1000 "
                                                  "BEGIN SELECT RAISE(ABORT, 'kept'); END;")));
        DBProjectList stored;
        QVERIFY(stored.load());
        QCOMPARE(stored.count(), 2);
        QVERIFY(!stored.removeAll());
        QCOMPARE(stored.count(), 2);
        QVERIFY(stored.errorText().contains(QStringLiteral("kept")));
        QVERIFY(TestDatabase::exec(QStringLiteral("DROP TRIGGER NoDelete;")));
        QVERIFY(stored.removeAll());
        QCOMPARE(stored.count(), 0);
        QCOMPARE(TestDatabase::rowCount(Vexal::DBSql::tableProject()), 0);
    }

    void boundWhereTakesHostileText_data()
    {
        addColumns<QString, QStringList>("text", "expected");
        QTest::newRow("quote") << QStringLiteral("O'Brien") << QStringList({"O'Brien's site"});
        QTest::newRow("injection") << QStringLiteral("x' OR '1'='1") << QStringList();
        QTest::newRow("percent") << QStringLiteral("100%") << QStringList({"100% sure"});
        QTest::newRow("underscore") << QStringLiteral("a_b") << QStringList({"a_b"});
        QTest::newRow("at") << QStringLiteral("me@host") << QStringList({"me@host"});
        QTest::newRow("backslash") << QStringLiteral("c:\\x") << QStringList({"c:\\x"});
        QTest::newRow("non-latin") << QStringLiteral("Ωμέγα") << QStringList({"Ωμέγα 東京"});
        // SQLite's LIKE ends a text at NUL, so this one checks the literal only.
        QTest::newRow("nul") << QString(QStringLiteral("nul") + QChar(0) + QStringLiteral("inside"))
                             << QStringList({QString(QStringLiteral("nul") + QChar(0) + QStringLiteral("inside"))});
    }

    void boundWhereTakesHostileText()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        TestDatabase db;
        const QStringList stored = {"O'Brien's site", "100% sure", "1000 sure", "a_b", "axb", "me@host", "me%host",
                                    "c:\\x", "Ωμέγα 東京", QString(QStringLiteral("nul") + QChar(0) + QStringLiteral("inside")),
                                    "nul"};
        QVERIFY(db.database().transaction());
        for (const QString& name : stored)
            addProject(name);
        QVERIFY(db.database().commit());
        NameLikeList list(text);
        QVERIFY2(list.load(), qPrintable(list.errorText()));
        if (!text.contains(QChar(0)))
            QCOMPARE(names(list), expected);
        QCOMPARE(TestDatabase::rowCount(Vexal::DBSql::tableProject()), stored.size());

        // The quoting helper gives the same rows as a literal.
        WhereList literal(QStringLiteral("Name = %1").arg(Vexal::DBText::quote(text)));
        QVERIFY2(literal.load(), qPrintable(literal.errorText()));
        QCOMPARE(literal.count(), stored.contains(text) ? 1 : 0);
        if (literal.count() == 1)
            QCOMPARE(literal.at(0)->name(), text); // nothing cut at a NUL
    }

    // The connection is released by the job, or else at thread end.
    void backgroundThreadHasItsOwnConnection()
    {
        for (const bool release : {true, false}) {
            TestDatabase db;
            addProject(QStringLiteral("Main"), true);
            addProject(QStringLiteral("Other"));

            Worker worker;
            worker.release = release;
            worker.start();
            QVERIFY(worker.wait(30000));
            QVERIFY2(worker.loaded, qPrintable(worker.error));
            QVERIFY2(worker.saved, qPrintable(worker.error));
            QCOMPARE(worker.count, 2);
            QVERIFY(!worker.connectionName.isEmpty());
            QVERIFY(worker.connectionName != QLatin1String(QSqlDatabase::defaultConnection));
            QVERIFY(!QSqlDatabase::contains(worker.connectionName));

            // The GUI thread sees what the worker wrote.
            DBProjectList list;
            QVERIFY(list.load());
            QCOMPARE(list.count(), 3);
            QCOMPARE(list.at(0)->url(), QStringLiteral("http://worker.example/"));
            QCOMPARE(list.at(2)->name(), QStringLiteral("From worker"));
            QVERIFY(Vexal::DBConnection::threadConnectionName().isEmpty());
        }
    }

    void longLivedThreadFollowsTheDefaultConnection()
    {
        QThread thread;
        Counter counter;
        counter.moveToThread(&thread);
        thread.start();
        auto countThere = [&counter] {
            int result = -2;
            QMetaObject::invokeMethod(&counter, "count", Qt::BlockingQueuedConnection, Q_RETURN_ARG(int, result));
            return result;
        };
        {
            TestDatabase first;
            addProject(QStringLiteral("one"));
            QCOMPARE(countThere(), 1);
        }
        {
            TestDatabase second;
            QCOMPARE(countThere(), 0); // a new file: the thread's old clone was dropped
        }
        thread.quit();
        QVERIFY(thread.wait(30000));
    }

    // A list of bare ids, of rows of any table.
    void idListsTheIdsOfMatchingRows()
    {
        TestDatabase db;
        QVERIFY(TestDatabase::exec(QStringLiteral(
            "INSERT INTO City (ID, Name, CountryID) VALUES (10, 'a', 4), (11, 'b', 5), (12, 'c', 4);")));

        DBIDList list(Vexal::DBSql::tableCity(), QStringLiteral("CountryID=4"));
        QVERIFY2(list.load(), qPrintable(list.errorText()));
        QCOMPARE(list.count(), 2);
        QList<int> ids;
        for (int i = 0; i < list.count(); ++i)
            ids << list.at(i)->id();
        std::sort(ids.begin(), ids.end());
        QCOMPARE(ids, (QList<int>{10, 12}));
        QCOMPARE(list.firstOrCreate(), list.at(0));

        DBIDList none(Vexal::DBSql::tableLastName(), QStringLiteral("LanguageID=3"));
        QVERIFY(none.load());
        QCOMPARE(none.count(), 0);
        DBID* made = none.firstOrCreate();
        QVERIFY(made);
        QCOMPARE(made->id(), -1);
        QCOMPARE(none.count(), 0);

        DBIDList bad(Vexal::DBSql::tableFirstName(), QStringLiteral("NoSuchColumn=1"));
        QVERIFY(!bad.load());
        QCOMPARE(bad.count(), 0);
        QVERIFY(bad.errorText().contains(QStringLiteral("SELECT ID FROM FirstName WHERE NoSuchColumn=1 ;")));
    }
};

TESVAR_TEST(DBListTest)
#include "DBListTest.moc"
