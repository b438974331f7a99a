#include "RecordCheck.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "automation/DBArticleTemplate.h"
#include "automation/DBDirectoryTemplate.h"
#include "automation/DBLoginTemplate.h"
#include "automation/DBRegistrationTemplate.h"
#include "automation/DBSocialBookmarkTemplate.h"
#include "automation/DBTemplateList.h"

#include <QTest>

using namespace Vexal;

class TemplateRecordTest : public QObject
{
    Q_OBJECT
private slots:
    void selectorsAreCutOnlyBySetters();
    void listOfOneWebsite();
};

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

TESVAR_TEST(TemplateRecordTest)
#include "TemplateRecordTest.moc"
