#include "data/HistoryCleanup.h"

#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBQueryManager.h"
#include "data/ThreadDBStatements.h"
#include "texts/LocaleMessage.h"
#include "texts/LocaleThread.h"

#include <QAtomicInt>
#include <QDate>

namespace Vexal {

class HistoryCleanup::Job final : public ThreadDBStatements
{
public:
    explicit Job(int days)
        : m_days(days)
    {
        setLogContext(className(), title());
    }

    // What the cleanup logs is its own, whatever the window did last.
    static QString className() { return QString::fromLatin1(HistoryCleanup::staticMetaObject.className()); }

    QString title() const override { return LocaleThread::removeExpiredHistory(); }
    int batches() const { return m_batches.loadAcquire(); }

protected:
    bool runStatements() override
    {
        // A batch that removed fewer rows than it could was the last.
        int removed = 0;
        do {
            if (!execute(DBQueryManager::deleteHistoryBeforeText(m_days, QDate::currentDate(), batchRows), &removed))
                return false;
            m_batches.fetchAndAddOrdered(1);
        } while (removed >= batchRows);
        return true;
    }

private:
    const int m_days;
    QAtomicInt m_batches{0};
};

HistoryCleanup::HistoryCleanup(QObject* parent)
    : QObject(parent)
{
}

HistoryCleanup::~HistoryCleanup()
{
    stop();
    if (m_job)
        m_job->wait();
}

void HistoryCleanup::start(int days)
{
    if (isRunning())
        return;
    // Nothing expired, as on most days: no job holds the window's writes.
    DBQueryManager query;
    if (!query.findExpiredHistory(days, QDate::currentDate()) && !query.lastFailed())
        return;
    if (m_job)
        m_job->wait();
    m_job = std::make_unique<Job>(days);
    connect(m_job.get(), &QThread::finished, this, &HistoryCleanup::handleFinished);
    m_job->start();
}

void HistoryCleanup::stop()
{
    if (!m_job)
        return;
    // What it says as it ends is for a window that stays.
    m_job->disconnect(this);
    m_job->cancel();
}

bool HistoryCleanup::isRunning() const
{
    return m_job && m_job->isRunning();
}

int HistoryCleanup::batches() const
{
    return m_job ? m_job->batches() : 0;
}

void HistoryCleanup::handleFinished()
{
    if (!m_job || m_job->isSuccessful())
        return;
    // A start that shows nothing wrong must not hide a disk that refuses
    // writes: the notice stays on the bar until the user closes it.
    Logger::error(Job::className(), m_job->title(), m_job->errorText());
    UtilSignalManager::instance()->emitError(LocaleMessage::failureFor(m_job->failureCause()), true);
}

} // namespace Vexal
