#pragma once

#include "SlowDisk.h"
#include "TestDatabase.h"
#include "data/HistoryCleanup.h"

#include <QTest>

#include <memory>

// The start-up history cleanup at work, as after some weeks away: `expired`
// history rows ("Old") long before the period and one of today ("New"),
// removed a batch at a time on a disk that writes slowly for the job.
// start() returns once the job holds the write lock; finish() waits for its
// end and tells whether every expired row went and the row of today stayed.
class CleanupAtWork
{
public:
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
        return TestDatabase::value(QStringLiteral("SELECT COUNT(*) FROM History WHERE Name = '%1'").arg(name)).toInt();
    }

    // Until the job (started, or about to start) holds the lock; false once
    // it has ended.
    static bool waitForLock(const QString& file, const Vexal::HistoryCleanup& cleanup)
    {
        QTest::qWaitFor([&] { return cleanup.isRunning() ? SlowDisk::writeLockTaken(file) : cleanup.batches() > 0; },
                        30000);
        return cleanup.isRunning();
    }

    bool start(const QString& file)
    {
        if (!m_disk.isReady() || !storeHistory(24 * Vexal::HistoryCleanup::batchRows))
            return false;
        m_cleanup.start(7);
        return waitForLock(file, m_cleanup);
    }

    bool finish()
    {
        QTest::qWaitFor([this] { return !m_cleanup.isRunning(); }, 60000);
        return !m_cleanup.isRunning() && count("Old") == 0 && count("New") == 1;
    }

private:
    SlowDisk m_disk{1};
    Vexal::HistoryCleanup m_cleanup;
};
