#pragma once

#include "SlowDisk.h"
#include "TestDatabase.h"
#include "data/HistoryCleanup.h"

#include <QElapsedTimer>
#include <QTest>

#include <memory>

// The start-up history cleanup at work, as after some weeks away: `expired`
// history rows ("Old") dated long before the period and one of today
// ("New"), removed a batch at a time on a disk that writes slowly for the
// job. start() returns once the job holds the database's write lock;
// finish() waits for its end and tells whether every expired row went and
// the row of today stayed.
class CleanupAtWork
{
public:
    static constexpr int days = 7;

    static bool storeHistory(int expired)
    {
        return TestDatabase::exec(
                   QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                  "INSERT INTO History (Name, Title, URL, CreateDate) SELECT 'Old', 'Old', "
                                  "'http://127.0.0.1/old/' || i, '2000-01-01T10:00:00' FROM n")
                       .arg(expired))
            && TestDatabase::exec(QStringLiteral(
                "INSERT INTO History (Name, Title, URL, CreateDate) VALUES ('New', 'New', 'http://127.0.0.1/new', "
                "strftime('%Y-%m-%dT%H:%M:%S', 'now', 'localtime'))"));
    }

    static int count(const char* name)
    {
        return TestDatabase::value(
                   QStringLiteral("SELECT COUNT(*) FROM History WHERE Name = '%1'").arg(QLatin1String(name)))
            .toInt();
    }

    // Until the job (started, or about to start) holds the lock; false once
    // it has ended.
    static bool waitForLock(const QString& file, const Vexal::HistoryCleanup& cleanup)
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 30000 && (cleanup.isRunning() || cleanup.batches() == 0)) {
            if (cleanup.isRunning() && SlowDisk::writeLockTaken(file))
                return true;
            QTest::qWait(1);
        }
        return false;
    }

    bool start(const QString& file, int expired = 24 * Vexal::HistoryCleanup::batchRows)
    {
        m_disk = std::make_unique<SlowDisk>(1);
        if (!m_disk->isReady() || !storeHistory(expired))
            return false;
        m_cleanup.start(days);
        return waitForLock(file, m_cleanup);
    }

    bool finish()
    {
        QElapsedTimer waited;
        waited.start();
        while (m_cleanup.isRunning() && waited.elapsed() < 60000)
            QTest::qWait(5);
        return !m_cleanup.isRunning() && count("Old") == 0 && count("New") == 1;
    }

private:
    std::unique_ptr<SlowDisk> m_disk;
    Vexal::HistoryCleanup m_cleanup;
};
