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
    void storesValidVariants()
    {
        for (const bool includeOriginal : {false, true}) {
            TestDatabase db;
            const int id = saveArticle(titleSource, introSource, bodySource);
            QVERIFY(id > 0);

            ThreadSpinner job(id, 12, includeOriginal);
            runToEnd(job);
            QVERIFY2(job.isSuccessful(), qPrintable(job.errorText()));
            QCOMPARE(job.storedCount(), 12);

            // Each row belongs to the article, keeps its modes, is named by its
            // title, and holds the spintax only when asked to.
            const QString rows = QStringLiteral("SELECT COUNT(*) FROM SpunArticle WHERE ProjectID = 7 AND ArticleID = %1 "
                                                "AND TitleMode = 2 AND IntroMode = 4 AND BodyMode = 8 "
                                                "AND Name = TitleFinal "
                                                "AND IFNULL(Title, '') || IFNULL(Intro, '') || IFNULL(Body, '') = '%2'");
            const QString sources = includeOriginal ? titleSource + introSource + bodySource : QString();
            QCOMPARE(TestDatabase::value(rows.arg(id).arg(sources)).toInt(), 12);
            const auto finals = [](const char* column) {
                const QStringList values =
                    columnValues(QStringLiteral("SELECT %1 FROM SpunArticle").arg(QLatin1String(column)));
                return QSet<QString>(values.begin(), values.end());
            };
            QVERIFY(finals("TitleFinal").subtract({"Good day", "Good night", "Nice day", "Nice night"}).isEmpty());
            QVERIFY(finals("IntroFinal").subtract({"a|{", "b|{", "c|{"}).isEmpty());
            const QSet<QString> bodies = finals("BodyFinal");
            QVERIFY(QSet<QString>(bodies).subtract({"x1y", "x2y", "x3y"}).isEmpty());
            // Actually random, not one fixed choice: twelve whole variants all
            // alike would happen by chance less than once in 10^15 runs.
            const QStringList variants = columnValues(
                QStringLiteral("SELECT TitleFinal || '/' || IntroFinal || '/' || BodyFinal FROM SpunArticle"));
            QVERIFY(QSet<QString>(variants.begin(), variants.end()).size() > 1);
            QVERIFY(isSpun(id));
        }
    }

    void stopKeepsWhatWasMade()
    {
        TestDatabase db;
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
        DBArticle article;
        QVERIFY(article.load(saveArticle(titleSource, introSource, bodySource)));

        DlgSpinner dialog;
        dialog.build(&article);
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
