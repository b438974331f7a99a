#include "FileSizeLimit.h"
#include "ScriptedPrompt.h"
#include "TestDatabase.h"
#include "TestRows.h"
#include "TestRunner.h"

#include "core/ConstApp.h"
#include "core/Logger.h"
#include "data/DBCache.h"
#include "data/DBConnection.h"
#include "data/DBOptions.h"
#include "data/DBWriteQueue.h"
#include "texts/LocaleMessage.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QSqlQuery>
#include <QTest>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <memory>

using namespace Vexal;

namespace {

// A job at work: its thread holds a connection of its own until released,
// and the window's writes wait for it.
class JobAtWork
{
public:
    JobAtWork()
        : m_thread(QThread::create([this] {
            DBConnection::current();
            m_ready.release();
            m_release.acquire();
        }))
    {
        m_thread->start();
        m_ready.acquire();
    }
    ~JobAtWork() { release(); }

    void release()
    {
        if (m_thread->isFinished())
            return;
        m_release.release();
        m_thread->wait();
    }

private:
    QSemaphore m_ready;
    QSemaphore m_release;
    std::unique_ptr<QThread> m_thread;
};

} // namespace

// The window's writes still kept when the program ends get one more try; what
// even then cannot be written, kept behind the lock or failed for a cause of
// its own (a file-size limit), is named to the user, each kind once with its
// cause, instead of going with a line in the log only.
class WriteQueueExitTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        DBWriteQueue::clear();
        DBCache::reset();
        Logger::resetForTests();
    }

    void unwrittenChangesAreNamedAtExit_data()
    {
        QTest::addColumn<QString>("atTheEnd");
        QTest::newRow("database free at the end") << "free";
        QTest::newRow("database held to the end") << "held";
        QTest::newRow("file-size limit at the end") << "file-size limit";
        // Its statement ran to its end: the cause is none of SQLite's.
        QTest::newRow("a write failing after its statement at the end") << "failing after its statement";
    }

    void unwrittenChangesAreNamedAtExit()
    {
        QFETCH(QString, atTheEnd);
        const bool heldToTheEnd = atTheEnd == QLatin1String("held");
        const bool limited = atTheEnd == QLatin1String("file-size limit");
        const bool failing = atTheEnd == QLatin1String("failing after its statement");
        TestDatabase db;
        QVERIFY(db.isOpen());
        DBOptions options;
        options.setKeepLastFolder(true);
        DBCache::setOptions(&options);
        Logger::resetForTests();
        ScriptedPrompt prompt;

        JobAtWork job;
        QCOMPARE(DBConnection::jobConnections(), 1);
        DBCache::setLastFolder(QStringLiteral("/home/user/first"));
        QVERIFY(DBWriteQueue::submit([failing] {
            return QSqlQuery().exec(QStringLiteral("INSERT INTO UrlShortcut (Name, Shortcut) VALUES ('x', 'x');"))
                && !failing;
        }));
        DBCache::setLastFolder(QStringLiteral("/home/user/second"));
        QCOMPARE(DBWriteQueue::pendingCount(), 3);
        if (!heldToTheEnd)
            job.release();

        // As QCoreApplication::exec() says it when the program ends.
        auto limit = limited ? std::make_unique<FileSizeLimit>(4096) : nullptr;
        QVERIFY(!limit || limit->ok());
        QVERIFY(QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit", Qt::DirectConnection));
        limit.reset();
        job.release();
        QCOMPARE(DBWriteQueue::pendingCount(), 0);
        if (limited) {
            const QString tooLarge = QString::fromLocal8Bit(std::strerror(EFBIG));
            QCOMPARE(prompt.messages.size(), 1);
            QCOMPARE(prompt.messages.at(0).icon, QMessageBox::Warning);
            QCOMPARE(prompt.messages.at(0).text,
                     LocaleMessage::changesFailedAtExit(QStringLiteral("The last folder used (2): %1\n"
                                                                       "A change of the window: %1")
                                                            .arg(tooLarge)));
            QCOMPARE(TestDatabase::rowCount(QStringLiteral("Settings")), 0);
            QCOMPARE(TestDatabase::rowCount(QStringLiteral("UrlShortcut")), 0);
        } else if (failing) {
            QCOMPARE(prompt.messages.size(), 1);
            QCOMPARE(prompt.messages.at(0).text,
                     LocaleMessage::changesFailedAtExit(QStringLiteral("A change of the window: ")
                                                        + LocaleMessage::unexpectedErrorSeeLog()));
            QCOMPARE(TestDatabase::value(QStringLiteral("SELECT LastFolder FROM Settings;")).toString(),
                     QStringLiteral("/home/user/second"));
            QCOMPARE(TestDatabase::rowCount(QStringLiteral("UrlShortcut")), 0);
        } else if (heldToTheEnd) {
            QCOMPARE(prompt.messages.size(), 1);
            QCOMPARE(prompt.messages.at(0).icon, QMessageBox::Warning);
            QCOMPARE(prompt.messages.at(0).title, ConstApp::title());
            QCOMPARE(
                prompt.messages.at(0).text,
                LocaleMessage::changesNotSaved(QStringLiteral("The last folder used (2)\nA change of the window")));
            QCOMPARE(Logger::errors().size(), 1);
            QCOMPARE(TestDatabase::rowCount(QStringLiteral("Settings")), 0);
            QCOMPARE(TestDatabase::rowCount(QStringLiteral("UrlShortcut")), 0);
        } else {
            QVERIFY(prompt.messages.isEmpty());
            QVERIFY(Logger::errors().isEmpty());
            QCOMPARE(TestDatabase::value(QStringLiteral("SELECT LastFolder FROM Settings;")).toString(),
                     QStringLiteral("/home/user/second"));
            QCOMPARE(TestDatabase::rowCount(QStringLiteral("UrlShortcut")), 1);
        }
    }
};

TESVAR_TEST(WriteQueueExitTest)
#include "WriteQueueExitTest.moc"
