#include "RecordCheck.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "automation/DBArticleTemplate.h"
#include "automation/DBDirectoryTemplate.h"
#include "automation/DBLoginTemplate.h"
#include "automation/DBRegistrationTemplate.h"
#include "automation/DBSocialBookmarkTemplate.h"
#include "automation/DBTemplateList.h"
#include "core/DBSql.h"

#include <QScopedPointer>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

using namespace Vexal;

namespace {

struct Kind
{
    int code;
};

const QList<Kind>& kinds()
{
    static const QList<Kind> all = {
        {0},
        {1},
        {2},
        {3},
        {4},
    };
    return all;
}

// A distinct selector text per column, with characters that SQL text and
// LIKE patterns would misread.
QString selectorFor(const QString& column)
{
    return QStringLiteral("//input[@name='%1' and @x=\"50%_\\\"]").arg(column);
}

QStringList rowOf(const QString& table, int id)
{
    QStringList values;
    QSqlQuery query(QSqlDatabase::database());
    if (query.exec(QStringLiteral("SELECT * FROM %1 WHERE ID = %2").arg(table).arg(id)) && query.next()) {
        for (int i = 1; i < query.record().count(); ++i)
            values << query.value(i).toString();
    }
    return values;
}

} // namespace

class TemplateRecordTest : public QObject
{
    Q_OBJECT
private slots:
    void everyColumnReadWrittenAndAssigned();
    void selectorsAreCutOnlyBySetters();
    void listOfOneWebsite();
    void assignAcrossKinds();
};

void TemplateRecordTest::everyColumnReadWrittenAndAssigned()
{
    TestDatabase db;
    QVERIFY(db.isOpen());

    for (const Kind& kind : kinds()) {
        const int id = 10 + kind.code;
        QScopedPointer<DBBase> prototype(DBTemplateList::createRecord(kind.code, nullptr));
        const QStringList columns = prototype->columns();
        QStringList values = {QStringLiteral("Name %1").arg(kind.code), QStringLiteral("it's a comment"),
                              QStringLiteral("7")};
        for (const QString& column : columns.mid(4))
            values << selectorFor(column);

        QSqlQuery insert(QSqlDatabase::database());
        QVERIFY(insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3, ?%4)")
                                   .arg(prototype->tableName(), columns.join(QStringLiteral(", ")), QString::number(id),
                                        QString(QStringLiteral(", ?")).repeated(values.size() - 1))));
        for (const QString& value : values)
            insert.addBindValue(value);
        QVERIFY2(insert.exec(), qPrintable(insert.lastError().text()));

        // Read: what the loaded record would write is what the row holds.
        QScopedPointer<DBBase> loaded(prototype->create(nullptr));
        QVERIFY2(loaded->load(id), qPrintable(loaded->errorText()));
        const QVariantList bound = RecordCheck::boundColumns(*loaded);
        QCOMPARE(bound.size(), values.size());
        for (int i = 0; i < values.size(); ++i)
            QCOMPARE(bound.at(i).toString(), values.at(i));

        // Assign through the setters, then write as a new row: same values.
        QScopedPointer<DBBase> copy(prototype->create(nullptr));
        copy->assign(loaded.data());
        copy->setId(id + 100);
        QVERIFY2(copy->save(), qPrintable(copy->errorText()));
        QCOMPARE(rowOf(prototype->tableName(), id + 100), rowOf(prototype->tableName(), id));
        QCOMPARE(rowOf(prototype->tableName(), id), values);
    }

    DBLoginTemplate login;
    QVERIFY(login.load(10));
    QCOMPARE(login.websiteId(), 7);
    QCOMPARE(login.login(), selectorFor(QStringLiteral("Login")));
    QCOMPARE(login.password(), selectorFor(QStringLiteral("Password")));
    QCOMPARE(login.submit(), selectorFor(QStringLiteral("Submit")));
    DBRegistrationTemplate registration;
    QVERIFY(registration.load(11));
    QCOMPARE(registration.rPassword(), selectorFor(QStringLiteral("RPassword")));
    QCOMPARE(registration.rejectEmail(), selectorFor(QStringLiteral("RejectEmail")));
    DBDirectoryTemplate directory;
    QVERIFY(directory.load(12));
    QCOMPARE(directory.regularLink(), selectorFor(QStringLiteral("RegularLink")));
    DBArticleTemplate article;
    QVERIFY(article.load(14));
    QCOMPARE(article.body(), selectorFor(QStringLiteral("Body")));
}

void TemplateRecordTest::selectorsAreCutOnlyBySetters()
{
    TestDatabase db;
    QVERIFY(db.isOpen());

    RecordCheck::textLimit(&DBLoginTemplate::setSubmit, &DBLoginTemplate::submit, 128);
    RecordCheck::textLimit(&DBRegistrationTemplate::setRejectEmail, &DBRegistrationTemplate::rejectEmail, 128);
    RecordCheck::textLimit(&DBRegistrationTemplate::setFirstName, &DBRegistrationTemplate::firstName, 128);
    RecordCheck::textLimit(&DBDirectoryTemplate::setAcceptTerms, &DBDirectoryTemplate::acceptTerms, 128);
    RecordCheck::textLimit(&DBSocialBookmarkTemplate::setDescription, &DBSocialBookmarkTemplate::description, 128);
    RecordCheck::textLimit(&DBArticleTemplate::setBody, &DBArticleTemplate::body, 128);

    DBSocialBookmarkTemplate stored;
    stored.setWebsiteId(3);
    QVERIFY(stored.save());
    QVERIFY(TestDatabase::exec(QStringLiteral("UPDATE SocialBookmarkTemplate SET Title = '%1'")
                                   .arg(QString(200, QLatin1Char('t')))));
    DBSocialBookmarkTemplate loaded;
    QVERIFY(loaded.load(stored.id()));
    QCOMPARE(loaded.title().size(), 200);
}

void TemplateRecordTest::listOfOneWebsite()
{
    TestDatabase db;
    QVERIFY(db.isOpen());

    const QList<QPair<int, QString>> rows = {{7, QStringLiteral("first")}, {8, QStringLiteral("other")},
                                             {7, QStringLiteral("second")}, {-1, QStringLiteral("orphan")}};
    for (const auto& row : rows) {
        DBLoginTemplate login;
        login.setWebsiteId(row.first);
        login.setName(row.second);
        QVERIFY(login.save());
    }
    DBRegistrationTemplate registration;
    registration.setWebsiteId(7);
    QVERIFY(registration.save());

    DBTemplateList list(DBTemplateList::KindLogin, 7);
    QVERIFY2(list.load(), qPrintable(list.errorText()));
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.loginTemplateAt(0)->name(), QStringLiteral("first"));
    QCOMPARE(list.loginTemplateAt(1)->name(), QStringLiteral("second"));
    QVERIFY(!list.registrationTemplateAt(0));
    QVERIFY(!list.loginTemplateAt(2));

    DBTemplateList orphans(DBTemplateList::KindLogin, -1);
    QVERIFY(orphans.load());
    QCOMPARE(orphans.count(), 1);
    QCOMPARE(orphans.loginTemplateAt(0)->name(), QStringLiteral("orphan"));

    DBTemplateList registrations(DBTemplateList::KindRegistration, 7);
    QVERIFY(registrations.load());
    QCOMPARE(registrations.count(), 1);
    QVERIFY(!registrations.loginTemplateAt(0));
    QVERIFY(registrations.registrationTemplateAt(0));

    DBTemplateList everyLogin(DBTemplateList::KindLogin);
    QVERIFY(everyLogin.load());
    QCOMPARE(everyLogin.count(), 4);

    DBTemplateList unknown(7, 7);
    QVERIFY(!unknown.load());
    QVERIFY(!unknown.errorText().isEmpty());
}

void TemplateRecordTest::assignAcrossKinds()
{
    DBArticleTemplate article;
    article.setName(QStringLiteral("Article"));
    article.setComments(QStringLiteral("c"));
    article.setWebsiteId(4);
    article.setTitle(QStringLiteral("#title"));

    DBDirectoryTemplate directory;
    directory.setTitle(QStringLiteral("#keep"));
    directory.assign(&article);
    QCOMPARE(directory.name(), QStringLiteral("Article"));
    QCOMPARE(directory.comments(), QStringLiteral("c"));
    QCOMPARE(directory.websiteId(), -1);
    QCOMPARE(directory.title(), QStringLiteral("#keep"));

    DBArticleTemplate copy;
    copy.assign(&article);
    QCOMPARE(copy.websiteId(), 4);
    QCOMPARE(copy.title(), QStringLiteral("#title"));
    copy.assign(nullptr);
    QCOMPARE(copy.title(), QStringLiteral("#title"));
}

TESVAR_TEST(TemplateRecordTest)
#include "TemplateRecordTest.moc"
