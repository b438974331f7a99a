#include "LocalZone.h"
#include "TestData.h"
#include "TestDatabase.h"
#include "TestRows.h"
#include "DateForms.h"
#include "TestRunner.h"

#include "automation/templates/DBLoginTemplate.h"
#include "content/DBArticle.h"
#include "data/DBMasterAccount.h"
#include "data/DBOptions.h"
#include "data/DBProject.h"
#include "data/DBProjectBase.h"
#include "core/DBSql.h"
#include "data/DBWebsite.h"
#include "texts/LocaleSql.h"
#include "data/DBHistory.h"

#include <QSqlQuery>
#include <QTest>
#include <QTextCodec>

#include <functional>

using Vexal::DBBase;
using Vexal::DBProject;
using Vexal::DBStateProbe;

namespace {

// A project-owned record over the Account table.
class OwnedRecord : public Vexal::DBProjectBase
{
    Q_OBJECT
public:
    using DBProjectBase::DBProjectBase;
    QString login;

    void bindValues(QSqlQuery& query) override
    {
        DBProjectBase::bindValues(query);
        query.bindValue(Vexal::DBSql::colWebsiteID(true), 0);
        query.bindValue(Vexal::DBSql::colLogin(true), login);
        query.bindValue(Vexal::DBSql::colPassword(true), QString());
    }
    void readValues(const QSqlQuery& query) override
    {
        DBProjectBase::readValues(query);
        login = query.value(5).toString();
    }
    DBBase* create(QObject* parent) const override { return new OwnedRecord(parent); }
    QString tableName() const override { return Vexal::DBSql::tableAccount(); }
    QStringList columns() const override
    {
        return projectColumns() << Vexal::DBSql::colWebsiteID() << Vexal::DBSql::colLogin()
                                << Vexal::DBSql::colPassword();
    }
};

// A text setter of one record, as a plain function.
template <class Record, class Owner>
std::function<void(const QString&)> setter(Record& record, void (Owner::*set)(const QString&))
{
    return [&record, set](const QString& text) { (record.*set)(text); };
}

int stateOf(const DBBase& record)
{
    return DBStateProbe::state(&record);
}

// A text column's value as SQLite stores it (hex() reads the raw bytes, as
// any other SQLite tool would).
QByteArray storedBytes(const QString& table, const QString& column, int id)
{
    return QByteArray::fromHex(
        TestDatabase::value(QStringLiteral("SELECT hex(%1) FROM %2 WHERE ID = %3;").arg(column, table).arg(id))
            .toByteArray());
}

bool isValidUtf8(const QByteArray& bytes)
{
    QTextCodec::ConverterState state;
    QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
}

} // namespace

class DBBaseTest : public QObject
{
    Q_OBJECT
private slots:
    void settersAndStates()
    {
        DBBase record;
        record.setName(QString());
        QCOMPARE(record.name(), QStringLiteral("Object"));
        record.setName(QStringLiteral("   "));
        QCOMPARE(record.name(), QStringLiteral("   "));
        record.setComments(QStringLiteral("c"));
        QCOMPARE(stateOf(record), int(DBBase::StateNew)); // setters leave a new record new

        record.markClean();
        record.setDeleteMark(true);
        QCOMPARE(stateOf(record), int(DBBase::StateClean));
        record.setComments(QStringLiteral("x"));
        QCOMPARE(stateOf(record), int(DBBase::StateModified));

        // A deleted record stays deleted whatever is done to it but a reset
        // to new; an unknown operation changes nothing.
        record.setState(DBBase::StateDeleted);
        for (int operation : {int(DBBase::StateClean), int(DBBase::StateModified), -1, 4})
            record.setState(operation);
        QCOMPARE(stateOf(record), int(DBBase::StateDeleted));
        record.setState(DBBase::StateNew);
        record.setState(DBBase::StateModified);
        QCOMPARE(stateOf(record), int(DBBase::StateNew));
    }

    void limitsCutOnCharacterBoundaries()
    {
        TestDatabase db;
        // Every text ends in an emoji (two UTF-16 units) that straddles its
        // column's limit; the stored text ends before it.
        const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");
        const auto across = [&smile](int limit) {
            return QString(QString(limit - 1, QLatin1Char('a')) + smile + QStringLiteral("tail"));
        };
        DBProject project;
        Vexal::DBWebsite website;
        Vexal::DBOptions options;
        Vexal::DBMasterAccount master;
        Vexal::DBArticle article;
        article.setProjectId(1);
        Vexal::DBHistory history;
        Vexal::DBLoginTemplate login;
        struct Stored
        {
            DBBase* record;
            QString column;
            int limit;
            std::function<void(const QString&)> set;
        };
        const QList<Stored> columns = {
            {&project, QStringLiteral("Name"), DBBase::nameLimit, setter(project, &DBProject::setName)},
            {&project, QStringLiteral("Comments"), DBBase::commentsLimit, setter(project, &DBProject::setComments)},
            {&project, QStringLiteral("URL"), DBProject::urlLimit, setter(project, &DBProject::setUrl)},
            {&website, QStringLiteral("Host"), Vexal::DBWebsite::hostLimit,
             setter(website, &Vexal::DBWebsite::setHost)},
            {&options, QStringLiteral("HomeURL"), Vexal::DBOptions::longTextLimit,
             setter(options, &Vexal::DBOptions::setHomeUrl)},
            {&master, QStringLiteral("City"), Vexal::DBMasterAccount::textLimit,
             setter(master, &Vexal::DBMasterAccount::setCity)},
            {&article, QStringLiteral("Body"), Vexal::DBArticle::bodyLimit,
             setter(article, &Vexal::DBArticle::setBody)},
            {&history, QStringLiteral("Title"), Vexal::DBHistory::titleLimit,
             setter(history, &Vexal::DBHistory::setTitle)},
            {&login, QStringLiteral("Submit"), Vexal::DBLoginTemplate::selectorLimit,
             setter(login, &Vexal::DBLoginTemplate::setSubmit)},
        };
        for (const Stored& stored : columns)
            stored.set(across(stored.limit));
        for (const Stored& stored : columns) {
            DBBase* record = stored.record;
            QVERIFY2(record->save(), qPrintable(record->errorText()));
            const QString where = record->tableName() + QLatin1Char('.') + stored.column;
            const QByteArray bytes = storedBytes(record->tableName(), stored.column, record->id());
            QVERIFY2(isValidUtf8(bytes), qPrintable(where + QStringLiteral(" holds ") + bytes.right(8).toHex()));
            QVERIFY2(QString::fromUtf8(bytes) == QString(stored.limit - 1, QLatin1Char('a')), qPrintable(where));
        }
    }

    // Copies of every kind are checked column by column with the stored rows;
    // what is left is the state and a project record's own project.
    void assignCopies()
    {
        DBProject target;
        target.markClean();
        target.assign(nullptr);
        QCOMPARE(stateOf(target), int(DBBase::StateClean));
        DBProject source;
        source.setId(5);
        source.setName(QStringLiteral("Source"));
        target.assign(&source);
        QCOMPARE(target.id(), 5);
        QCOMPARE(stateOf(target), int(DBBase::StateModified));

        OwnedRecord owned;
        owned.setProjectId(9);
        owned.assign(&source);
        QCOMPARE(owned.projectId(), 9);
        QCOMPARE(owned.name(), QStringLiteral("Source"));
    }

    void lifeCycle()
    {
        TestDatabase db;
        DBProject project;
        project.setName(QStringLiteral("First"));
        QVERIFY(project.save());
        QVERIFY(project.id() > 0);
        QCOMPARE(stateOf(project), int(DBBase::StateClean));
        const int firstId = project.id();

        // A clean save executes nothing.
        const int before = totalChanges();
        QVERIFY(project.save());
        QCOMPARE(totalChanges(), before);

        project.setUrl(QStringLiteral("http://example.org/"));
        project.setActive(true);
        QVERIFY(project.save());
        QCOMPARE(stateOf(project), int(DBBase::StateClean));

        DBProject loaded;
        QVERIFY(loaded.load(firstId));
        QCOMPARE(loaded.name(), QStringLiteral("First"));
        QCOMPARE(loaded.url(), QStringLiteral("http://example.org/"));
        QVERIFY(loaded.isActive());
        QVERIFY(loaded.comments().isEmpty()); // never set: NULL
        QVERIFY(TestDatabase::value(QStringLiteral("SELECT Comments IS NULL FROM Project;")).toBool());
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT Active FROM Project;")).toInt(), 1);

        // A new record with an explicit id is inserted under that id.
        DBProject explicitId;
        explicitId.setId(77);
        QVERIFY(explicitId.save());
        QCOMPARE(explicitId.id(), 77);
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT COUNT(*) FROM Project WHERE ID=77;")).toInt(), 1);

        QVERIFY(loaded.remove());
        QCOMPARE(loaded.id(), -1);
        QCOMPARE(stateOf(loaded), int(DBBase::StateNew));
        QCOMPARE(TestDatabase::rowCount(Vexal::DBSql::tableProject()), 1);

        // Removing a record that was never stored deletes nothing and succeeds.
        DBProject never;
        QVERIFY(never.remove());
        QCOMPARE(never.id(), -1);
        QCOMPARE(stateOf(never), int(DBBase::StateNew));

        // Load with -1 reads the first row.
        DBProject first;
        QVERIFY(first.load(-1));
        QVERIFY(first.id() > 0);
    }

    // An empty stored name is not replaced by the setter's fallback.
    void readTakesValuesUnchanged()
    {
        TestDatabase db;
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Project (ID, Name, Comments, Active, URL) "
                                                  "VALUES (3, '', NULL, 5, NULL);")));
        DBProject empty;
        QVERIFY(empty.load(3));
        QCOMPARE(empty.name(), QString());
        QVERIFY(empty.isActive()); // non-zero is true
        QVERIFY(empty.url().isEmpty());
    }

    void failures()
    {
        TestDatabase db;
        // Loading a missing id: the requested id is kept, the state too.
        DBProject project;
        QVERIFY(!project.load(42));
        QCOMPARE(project.id(), 42);
        QCOMPARE(stateOf(project), int(DBBase::StateNew));
        QCOMPARE(project.errorText(),
                 QStringLiteral("SQL Query failed. Error: \"The result set is empty.\". Query: "
                                "\"SELECT %1 FROM Project WHERE ID=42;\"")
                     .arg(project.columnsText()));

        // The error text survives a later success.
        const QString earlier = project.errorText();
        project.setId(-1);
        QVERIFY(project.save());
        QCOMPARE(project.errorText(), earlier);

        // An insert that fails leaves the record new.
        QVERIFY(TestDatabase::exec(QStringLiteral("DROP TABLE Project;")));
        DBProject lost;
        lost.setName(QStringLiteral("Lost"));
        QVERIFY(!lost.save());
        QCOMPARE(stateOf(lost), int(DBBase::StateNew));
        QCOMPARE(lost.id(), -1);
        QVERIFY(lost.errorText().startsWith(QStringLiteral("SQL Query failed. Error: \"no such table: Project")));
        QVERIFY(lost.errorText().endsWith(QStringLiteral("Query: \"%1\"").arg(lost.insertText())));

        // Update and delete failures keep the state and the id.
        project.setName(QStringLiteral("Changed"));
        QVERIFY(!project.save());
        QCOMPARE(stateOf(project), int(DBBase::StateModified));
        const int id = project.id();
        QVERIFY(!project.remove());
        QCOMPARE(stateOf(project), int(DBBase::StateDeleted));
        QCOMPARE(project.id(), id);

        // A record without table or columns.
        DBBase bare;
        QVERIFY(!bare.load(1));
        QVERIFY(bare.errorText().startsWith(QStringLiteral("SQL Query failed.")));
    }

    void rowDeletedMeanwhile()
    {
        TestDatabase db;
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Project (ID, Name, Active) VALUES (5, 'Shop', 0);")));
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Account (ID, Name, ProjectID) VALUES (6, 'me', 5);")));
        DBProject project;
        QVERIFY(project.load(5));
        OwnedRecord account;
        QVERIFY(account.load(6));
        QVERIFY(TestDatabase::exec(QStringLiteral("DELETE FROM Project;")));
        QVERIFY(TestDatabase::exec(QStringLiteral("DELETE FROM Account;")));

        // The edit would be lost: the update fails and the record stays modified.
        project.setName(QStringLiteral("Renamed"));
        QVERIFY(!project.save());
        QCOMPARE(stateOf(project), int(DBBase::StateModified));
        QCOMPARE(project.errorText(), Vexal::LocaleSql::sqlQueryFailed(project.updateText(),
                                                                       Vexal::LocaleSql::resultSetEmpty()));
        account.login = QStringLiteral("changed");
        account.markModified();
        QVERIFY(!account.save());
        QVERIFY(account.errorText().contains(QStringLiteral("The result set is empty.")));
        QCOMPARE(TestDatabase::rowCount(Vexal::DBSql::tableProject()), 0); // nothing re-inserted

        // Deleting it deletes nothing: a failure that keeps the id.
        QVERIFY(!project.remove());
        QCOMPARE(stateOf(project), int(DBBase::StateDeleted));
        QCOMPARE(project.id(), 5);
        QCOMPARE(project.errorText(), Vexal::LocaleSql::sqlQueryFailed(project.deleteText(),
                                                                       Vexal::LocaleSql::resultSetEmpty()));

        // Saved as new, it is stored again.
        project.setState(DBBase::StateNew);
        QVERIFY2(project.save(), qPrintable(project.errorText()));
        project.setName(QStringLiteral("Again"));
        QVERIFY(project.save());
        QVERIFY(project.remove());
        QCOMPARE(project.id(), -1);
    }

    void projectOwnedWithoutProject()
    {
        TestDatabase db;
        OwnedRecord record;
        record.login = QStringLiteral("me");
        QVERIFY(!record.save());
        QCOMPARE(stateOf(record), int(DBBase::StateNew));
        record.setProjectId(0); // only -1 is refused
        QVERIFY(record.save());
        OwnedRecord loaded;
        QVERIFY(loaded.load(record.id()));
        QCOMPARE(loaded.projectId(), 0);
        QCOMPARE(loaded.login, QStringLiteral("me"));

        loaded.setProjectId(-1);
        QVERIFY(!loaded.remove()); // refused, stays deleted
        QCOMPARE(stateOf(loaded), int(DBBase::StateDeleted));
        QCOMPARE(TestDatabase::rowCount(Vexal::DBSql::tableAccount()), 1);
    }

    // Stored dates and date-times read and stored again, in a zone with a
    // summer time: the stored form comes back as it was; an invalid one (no
    // such day, an hour the clock skips) is stored as NULL.
    void storedForms_data()
    {
        addDateFormRows(false);
    }
    void storedForms()
    {
        QFETCH(QString, kind);
        QFETCH(QString, stored);
        QFETCH(QString, wanted);
        const QString& back = wanted;
        LocalZone zone("Europe/Berlin");
        const QVariant again = kind == QLatin1String("date") ? DBBase::dateValue(DBBase::readDate(stored))
                                                            : DBBase::dateTimeValue(DBBase::readDateTime(stored));
        QCOMPARE(again.toString(), back);
        QCOMPARE(again.isNull(), back.isEmpty());
    }

    void valueForms()
    {
        TestDatabase db;
        const QDateTime when(QDate(2024, 3, 10), QTime(12, 34, 56, 789));
        QCOMPARE(DBBase::dateTimeValue(when).toString(), QStringLiteral("2024-03-10T12:34:56"));
        QCOMPARE(DBBase::dateValue(QDate(2024, 3, 1)).toString(), QStringLiteral("2024-03-01"));
        QVERIFY(DBBase::dateTimeValue(QDateTime()).isNull());
        QVERIFY(DBBase::dateValue(QDate()).isNull());

        QCOMPARE(DBBase::readDateTime(QStringLiteral("2024-03-10T12:34:56")),
                 QDateTime(QDate(2024, 3, 10), QTime(12, 34, 56)));
        QCOMPARE(DBBase::readDateTime(QStringLiteral("2024-03-10T12:34:56.000")),
                 QDateTime(QDate(2024, 3, 10), QTime(12, 34, 56)));
        QCOMPARE(DBBase::readDateTime(QStringLiteral("2024-03-10 12:34:56")),
                 QDateTime(QDate(2024, 3, 10), QTime(12, 34, 56)));
        QVERIFY(!DBBase::readDateTime(QVariant()).isValid());
        QCOMPARE(DBBase::readDate(QStringLiteral("2024-03-01")), QDate(2024, 3, 1));
        QVERIFY(!DBBase::readDate(QVariant()).isValid());
        QVERIFY(DBBase::readBool(7));
        QVERIFY(!DBBase::readBool(QVariant()));

        // Through the database: read back to the second, the image whole.
        QSqlQuery query(db.database());
        QVERIFY(query.prepare(QStringLiteral("INSERT INTO History (Name, CreateDate, Icon) VALUES ('h', :D, :I);")));
        query.bindValue(QStringLiteral(":D"), DBBase::dateTimeValue(when));
        QImage image(4, 4, QImage::Format_ARGB32);
        image.fill(Qt::red);
        query.bindValue(QStringLiteral(":I"), DBBase::imageValue(image));
        QVERIFY(query.exec());
        QVERIFY(query.exec(QStringLiteral("SELECT CreateDate, Icon FROM History;")));
        QVERIFY(query.next());
        QCOMPARE(DBBase::readDateTime(query.value(0)), QDateTime(QDate(2024, 3, 10), QTime(12, 34, 56)));
        const QImage back = DBBase::readImage(query.value(1));
        QCOMPARE(back.size(), QSize(4, 4));
        QCOMPARE(back.pixelColor(1, 1), QColor(Qt::red));
        QVERIFY(DBBase::readImage(QVariant()).isNull());
    }
};

TESVAR_TEST(DBBaseTest)
#include "DBBaseTest.moc"
