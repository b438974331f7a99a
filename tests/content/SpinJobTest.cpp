#include "TestData.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "content/DBArticle.h"
#include "content/DlgSpinner.h"
#include "content/ThreadSpinner.h"
#include "core/Logger.h"
#include "texts/LocaleArticle.h"
#include "texts/LocaleDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSemaphore>
#include <QSet>
#include <QSpinBox>
#include <QSqlQuery>
#include <QTest>

using namespace Vexal;

namespace {

const QString titleSource = QStringLiteral("{Good|Nice} {day|night}");
const QString introSource = QStringLiteral("{a|b|c}\\|\\{");
const QString bodySource = QStringLiteral("x{1|{2|3}}y");

int saveArticle(const QString& title, const QString& intro, const QString& body)
{
    return addRow(QStringLiteral("Article"), {{"ProjectID", 7}, {"Name", "Source"}, {"Title", title}, {"TitleMode", 2},
                                              {"Intro", intro}, {"IntroMode", 4}, {"Body", body}, {"BodyMode", 8}});
}

struct Spun {
    QString name, title, titleFinal, intro, introFinal, body, bodyFinal;
    int projectId, articleId, titleMode, introMode, bodyMode;
};

QList<Spun> spunRows()
{
    QList<Spun> rows;
    QSqlQuery query(QStringLiteral("SELECT Name, Title, TitleFinal, Intro, IntroFinal, Body, BodyFinal, ProjectID, "
                                   "ArticleID, TitleMode, IntroMode, BodyMode FROM SpunArticle ORDER BY ID"));
    while (query.next()) {
        rows.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                     query.value(3).toString(), query.value(4).toString(), query.value(5).toString(),
                     query.value(6).toString(), query.value(7).toInt(), query.value(8).toInt(),
                     query.value(9).toInt(), query.value(10).toInt(), query.value(11).toInt()});
    }
    return rows;
}

bool isSpun(int articleId)
{
    return TestDatabase::value(QStringLiteral("SELECT Spun FROM Article WHERE ID = %1").arg(articleId)).toInt() != 0;
}

void runToEnd(ThreadSpinner& job)
{
    job.start();
    job.wait();
}

} // namespace

class SpinJobTest : public QObject
{
    Q_OBJECT
private slots:
    void storesValidVariants_data()
    {
        QTest::addColumn<bool>("includeOriginal");
        QTest::newRow("finals only") << false;
        QTest::newRow("with the original spintax") << true;
    }

    void storesValidVariants()
    {
        QFETCH(bool, includeOriginal);
        TestDatabase db;
        QVERIFY(db.isOpen());
        const int id = saveArticle(titleSource, introSource, bodySource);
        QVERIFY(id > 0);

        ThreadSpinner job(id, 12, includeOriginal);
        runToEnd(job);
        QVERIFY2(job.isSuccessful(), qPrintable(job.errorText()));
        QCOMPARE(job.storedCount(), 12);

        const QSet<QString> titles{QStringLiteral("Good day"), QStringLiteral("Good night"),
                                   QStringLiteral("Nice day"), QStringLiteral("Nice night")};
        const QSet<QString> intros{QStringLiteral("a|{"), QStringLiteral("b|{"), QStringLiteral("c|{")};
        const QSet<QString> bodies{QStringLiteral("x1y"), QStringLiteral("x2y"), QStringLiteral("x3y")};
        const QList<Spun> rows = spunRows();
        QCOMPARE(rows.size(), 12);
        QSet<QString> seen;
        for (const Spun& row : rows) {
            QVERIFY2(titles.contains(row.titleFinal), qPrintable(row.titleFinal));
            QVERIFY2(intros.contains(row.introFinal), qPrintable(row.introFinal));
            QVERIFY2(bodies.contains(row.bodyFinal), qPrintable(row.bodyFinal));
            QCOMPARE(row.name, row.titleFinal);
            QCOMPARE(row.projectId, 7);
            QCOMPARE(row.articleId, id);
            QCOMPARE(row.titleMode, 2);
            QCOMPARE(row.introMode, 4);
            QCOMPARE(row.bodyMode, 8);
            QCOMPARE(row.title, includeOriginal ? titleSource : QString());
            QCOMPARE(row.intro, includeOriginal ? introSource : QString());
            QCOMPARE(row.body, includeOriginal ? bodySource : QString());
            seen.insert(row.bodyFinal);
        }
        QVERIFY(seen.size() > 1); // actually random, not one fixed choice
        QVERIFY(isSpun(id));
    }

    void stopKeepsWhatWasMade()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        const int id = saveArticle(titleSource, introSource, bodySource);

        ThreadSpinner job(id, 1000, false);
        connect(&job, &ThreadSpinner::progress, &job, [&job](int done, int) {
            if (done == 3)
                job.stop();
        }, Qt::DirectConnection);
        runToEnd(job);
        QVERIFY2(job.isSuccessful(), qPrintable(job.errorText()));
        QCOMPARE(job.storedCount(), 3);
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("SpunArticle")), 3);
        QVERIFY(isSpun(id));
    }

    void unbalancedOrMissingArticleStoresNothing()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        const int id = saveArticle(titleSource, introSource, QStringLiteral("ok {a|b} then {c|d"));

        ThreadSpinner job(id, 5, true);
        runToEnd(job);
        QVERIFY(!job.isSuccessful());
        QVERIFY2(job.errorText().startsWith(LocaleArticle::body()), qPrintable(job.errorText()));
        QVERIFY2(job.errorText().contains(QLatin1String("14")), qPrintable(job.errorText()));
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("SpunArticle")), 0);
        QVERIFY(!isSpun(id));

        ThreadSpinner missing(id + 100, 5, false);
        runToEnd(missing);
        QVERIFY(!missing.isSuccessful());
        QVERIFY(!missing.errorText().isEmpty());
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("SpunArticle")), 0);
    }

    void dialogRunsStopsAndRefusesToClose()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        DBArticle article;
        QVERIFY(article.load(saveArticle(titleSource, introSource, bodySource)));

        DlgSpinner dialog;
        dialog.build(&article);
        QCOMPARE(dialog.startButton()->text(), LocaleDialog::start());
        dialog.countBox()->setValue(50);
        dialog.includeOriginalBox()->setChecked(true);
        dialog.show();

        // The job holds after its first spun article until released.
        QSemaphore entered;
        QSemaphore gate;
        ThreadSpinner* job = dialog.job();
        QVERIFY(job);
        connect(job, &ThreadSpinner::progress, job, [&](int, int) {
            entered.release();
            gate.acquire();
        }, Qt::DirectConnection);
        dialog.startButton()->click();
        QCOMPARE(job->count(), 50);
        QVERIFY(job->includeOriginal());
        QVERIFY(entered.tryAcquire(1, 60000)); // a safety net, not a timing check

        QVERIFY(dialog.isJobRunning());
        QCOMPARE(dialog.startButton()->text(), LocaleDialog::stop());
        QVERIFY(!dialog.closeButton()->isEnabled());
        dialog.reject();
        dialog.close();
        QVERIFY(dialog.isVisible());

        dialog.startButton()->click(); // Stop
        QVERIFY(job->isStopRequested());
        gate.release(1000);
        job->wait();
        QCoreApplication::processEvents();

        QVERIFY(job->isSuccessful());
        QCOMPARE(job->storedCount(), 1);
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("SpunArticle")), 1);
        QCOMPARE(dialog.progressBar()->value(), 1);
        QCOMPARE(dialog.startButton()->text(), LocaleDialog::close());
        QCOMPARE(dialog.statusLabel()->text(), LocaleDialog::operationCompleted());
        dialog.startButton()->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void dialogReportsFailure()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        DBArticle article;
        QVERIFY(article.load(saveArticle(QStringLiteral("}"), QString(), QString())));

        Logger::resetForTests();
        DlgSpinner dialog;
        dialog.build(&article);
        dialog.startButton()->click();
        QVERIFY(dialog.job());
        dialog.job()->wait();
        QCoreApplication::processEvents();
        QCOMPARE(dialog.statusLabel()->text(), LocaleDialog::operationFailedHtml());
        QCOMPARE(Logger::errors().size(), 1);
        QVERIFY(Logger::errors().first().contains(LocaleArticle::title()));
        Logger::resetForTests();
        dialog.startButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("SpunArticle")), 0);

        // Without a saved article there is nothing to run: Start just rejects.
        DBArticle unsaved;
        DlgSpinner empty;
        empty.build(&unsaved);
        QVERIFY(!empty.job());
        empty.show();
        empty.startButton()->click();
        QVERIFY(!empty.isVisible());
        QCOMPARE(empty.result(), int(QDialog::Rejected));
    }
};

TESVAR_TEST(SpinJobTest)
#include "SpinJobTest.moc"
