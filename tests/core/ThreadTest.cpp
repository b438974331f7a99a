#include "EndlessJob.h"
#include "FreshStateTest.h"
#include "ProgressDialogProbe.h"
#include "TestDatabase.h"
#include "TestFolder.h"
#include "TestRows.h"
#include "TestRunner.h"

#include "core/Logger.h"
#include "core/Thread.h"
#include "core/UtilSignalManager.h"
#include "data/DBConnection.h"
#include "data/DBProject.h"
#include "data/DBProjectList.h"
#include "core/DBSql.h"
#include "texts/LocaleDialog.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

namespace {

enum class Outcome { Success, Failure, Nothing };

// A job that may block until released, then ends as told.
class FakeJob : public Vexal::Thread
{
    Q_OBJECT
public:
    FakeJob(Outcome outcome, QObject* parent, bool block = false)
        : Thread(parent)
        , m_outcome(outcome)
        , m_block(block)
    {
    }
    QString title() const override { return QStringLiteral("Fake job"); }
    void release() { m_gate.release(); }

    QAtomicInt runs;

protected:
    void run() override
    {
        runs.fetchAndAddOrdered(1);
        if (m_block)
            m_gate.acquire();
        if (m_outcome == Outcome::Success)
            setSuccessful(true);
        else if (m_outcome == Outcome::Failure)
            setErrorText(QStringLiteral("disk <on> fire"));
    }

private:
    Outcome m_outcome;
    bool m_block;
    QSemaphore m_gate;
};

// No Q_OBJECT: the log context keeps the dialog's own class name.
// Renames every project and adds one, through records and lists.
class ProjectJob : public Vexal::Thread
{
public:
    using Thread::Thread;
    QString connectionName;

protected:
    void run() override
    {
        connectionName = Vexal::DBConnection::current().connectionName();
        Vexal::DBProjectList list;
        if (!list.load()) {
            setErrorText(list.errorText());
            return;
        }
        for (int i = 0; i < list.count(); ++i) {
            Vexal::DBProject* project = list.at(i);
            project->setName(project->name() + QStringLiteral(" (job)"));
            if (!project->save()) {
                setErrorText(project->errorText());
                return;
            }
        }
        Vexal::DBProject added;
        added.setName(QStringLiteral("Added by job"));
        if (!added.save()) {
            setErrorText(added.errorText());
            return;
        }
        setSuccessful(true);
    }
};

} // namespace

class ThreadTest : public FreshStateTest
{
    Q_OBJECT
private slots:
    void cancelBeforeStartNeverRunsTheJob()
    {
        ProgressDialogProbe dlg;
        auto* job = new FakeJob(Outcome::Success, &dlg);
        dlg.build(job);
        dlg.show();
        QTest::mouseClick(dlg.cancel(), Qt::LeftButton);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QVERIFY(!job->isRunning());
        QVERIFY(!job->isFinished());
        QCOMPARE(job->runs.loadAcquire(), 0);
    }

    void startWithoutJobRejects()
    {
        ProgressDialogProbe dlg;
        dlg.build(nullptr);
        dlg.show();
        QTest::mouseClick(dlg.ok(), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
    }

    void endedJobs_data()
    {
        addColumns<int, bool>("outcome", "accepted");
        QTest::newRow("success") << int(Outcome::Success) << true;
        QTest::newRow("failure") << int(Outcome::Failure) << false;
        QTest::newRow("sets nothing") << int(Outcome::Nothing) << false;
    }
    void endedJobs()
    {
        QFETCH(int, outcome);
        QFETCH(bool, accepted);
        TestFolder folder; // the logger writes log.txt here
        ProgressDialogProbe dlg;
        auto* job = new FakeJob(Outcome(outcome), &dlg);
        dlg.build(job);
        dlg.show();
        QTest::mouseClick(dlg.ok(), Qt::LeftButton);
        QTRY_COMPARE(dlg.ok()->text(), Vexal::LocaleDialog::close());

        QVERIFY(dlg.ok()->isEnabled());
        QVERIFY(!dlg.cancel()->isEnabled());
        QCOMPARE(job->runs.loadAcquire(), 1);
        if (accepted) {
            QCOMPARE(dlg.status()->text(), Vexal::LocaleDialog::operationCompleted());
            QVERIFY(Vexal::Logger::errors().isEmpty());
        } else {
            QCOMPARE(dlg.status()->text(), Vexal::LocaleDialog::operationFailedHtml());
            QCOMPARE(Vexal::Logger::errors().size(), 1);
            QVERIFY(Vexal::Logger::errors().first().contains(QStringLiteral("Vexal::DlgProgress")));
            QCOMPARE(Vexal::Logger::contextAction(), Vexal::LocaleDialog::finished());
            if (Outcome(outcome) == Outcome::Failure)
                QVERIFY(Vexal::Logger::errors().first().contains(QStringLiteral("disk &lt;on&gt; fire")));
        }

        QSignalSpy finished(&dlg, &QDialog::finished);
        QTest::mouseClick(dlg.ok(), Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(accepted ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(job->runs.loadAcquire(), 1);
    }

    void runningJobCannotBeDismissed()
    {
        TestFolder folder;
        auto* dlg = new ProgressDialogProbe;
        QPointer<FakeJob> job = new FakeJob(Outcome::Success, dlg, true);
        dlg->build(job);
        dlg->show();
        QSignalSpy finished(dlg, &QDialog::finished);
        QTest::mouseClick(dlg->ok(), Qt::LeftButton);
        QVERIFY(job->isRunning());
        QVERIFY(!dlg->ok()->isEnabled());
        QVERIFY(!dlg->cancel()->isEnabled());

        QTest::keyClick(dlg, Qt::Key_Escape);
        QVERIFY(!dlg->close());
        dlg->reject();
        dlg->accept();
        dlg->done(QDialog::Rejected);
        QTest::mouseClick(dlg->ok(), Qt::LeftButton); // disabled "Stop"
        QTest::mouseClick(dlg->cancel(), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(dlg->isVisible());
        QCOMPARE(finished.count(), 0);
        QVERIFY(job->isRunning());

        job->release();
        QTRY_COMPARE(dlg->ok()->text(), Vexal::LocaleDialog::close());
        QVERIFY(dlg->close()); // allowed once the job has ended
        QCOMPARE(finished.count(), 1);
        QCOMPARE(dlg->result(), int(QDialog::Rejected));
        delete dlg;
        QVERIFY(job.isNull()); // destroyed with the dialog
    }

    void destroyingTheDialogWaitsForItsJob()
    {
        auto* dlg = new ProgressDialogProbe;
        QPointer<FakeJob> job = new FakeJob(Outcome::Success, dlg, true);
        dlg->build(job);
        dlg->slotStart();
        QVERIFY(job->isRunning());
        job->release();
        delete dlg; // must not destroy the thread while it runs
        QVERIFY(job.isNull());
    }

    // Dismissed as the program closes, the dialog cancels its running job
    // and closes once the job has ended; what the job wrote is rolled back.
    // Before the start, or once the job has ended, it closes at once.
    void dismissCancelsTheRunningJob()
    {
        TestDatabase db;
        QVERIFY2(db.isOpen(), qPrintable(db.errorText()));
        ProgressDialogProbe dlg;
        auto* job = new EndlessJob(&dlg);
        dlg.build(job);
        dlg.show();
        QTest::mouseClick(dlg.ok(), Qt::LeftButton);
        QTRY_VERIFY(job->working.loadAcquire());
        QSignalSpy finished(&dlg, &QDialog::finished);
        dlg.dismiss();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QVERIFY(!dlg.isVisible());
        QVERIFY(job->isFinished());
        QVERIFY(!job->isSuccessful());
        QCOMPARE(TestDatabase::rowCount(Vexal::DBSql::tableProject()), 0);

        ProgressDialogProbe ready;
        ready.build(new FakeJob(Outcome::Success, &ready));
        ready.show();
        ready.dismiss();
        QVERIFY(!ready.isVisible());
        QCOMPARE(ready.result(), int(QDialog::Rejected));
    }

    void jobWorksOnItsOwnConnection()
    {
        TestDatabase db;
        QVERIFY2(db.isOpen(), qPrintable(db.errorText()));
        {
            Vexal::DBProject first;
            first.setName(QStringLiteral("First"));
            QVERIFY2(first.save(), qPrintable(first.errorText()));
        }
        QString connection;
        {
            ProgressDialogProbe dlg;
            auto* job = new ProjectJob(&dlg);
            dlg.build(job);
            dlg.show();
            QTest::mouseClick(dlg.ok(), Qt::LeftButton);
            QTRY_COMPARE(dlg.ok()->text(), Vexal::LocaleDialog::close());
            QVERIFY2(job->isSuccessful(), qPrintable(job->errorText()));
            connection = job->connectionName;
            QTest::mouseClick(dlg.ok(), Qt::LeftButton);
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
        }
        QVERIFY(!connection.isEmpty());
        QVERIFY(connection != QLatin1String(QSqlDatabase::defaultConnection));
        QVERIFY(!QSqlDatabase::contains(connection)); // released when the job ended
        QCOMPARE(TestDatabase::rowCount(Vexal::DBSql::tableProject()), 2);
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT %1 FROM %2 WHERE %1 LIKE 'First%'")
                                     .arg(Vexal::DBSql::colName(), Vexal::DBSql::tableProject()))
                     .toString(),
                 QStringLiteral("First (job)"));
    }

    // The hub's signals from a job's thread reach the window's thread queued.
    void workerEmitIsQueued()
    {
        Vexal::UtilSignalManager* hub = Vexal::UtilSignalManager::instance();
        QString received;
        QObject receiver;
        connect(hub, &Vexal::UtilSignalManager::onError, &receiver,
                [&received](const QString& message) { received = message; });
        QThread* worker = QThread::create([hub] { hub->emitError(QStringLiteral("from worker")); });
        worker->start();
        QVERIFY(worker->wait(5000));
        delete worker;
        QVERIFY(received.isEmpty());
        QTRY_COMPARE(received, QStringLiteral("from worker"));
    }
};

TESVAR_TEST(ThreadTest)
#include "ThreadTest.moc"
