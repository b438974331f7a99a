#pragma once

#include <QObject>

#include <memory>

namespace Vexal {

// Removes, once the window is up, the history rows created before the day
// that lies the options' number of days before today. However many rows
// expired, the window answers throughout: a job removes them on its own
// thread and connection, in batches of batchRows, each a short transaction
// of its own, so that another program waits for no more than a batch and a
// cancelled job keeps what it removed. Meanwhile a save of the user's waits
// for the batch at work and goes in before the next one; the window's
// background writes wait for the job, as for any job. A start with nothing
// expired (the common one) starts no job. A cleanup that fails names its
// cause on the bar until the user closes the notice, and logs it under its
// own name; the rows not removed go at a later start.
class HistoryCleanup final : public QObject
{
    Q_OBJECT
public:
    static constexpr int batchRows = 2000;

    explicit HistoryCleanup(QObject* parent = nullptr);
    // Cancels a running job and waits for it.
    ~HistoryCleanup() override;

    // Starts removing the rows created before the day `days` before today.
    void start(int days);
    // Cancels a running job (the window closes): it stops at once, also while
    // it waits for a lock; what it removed stays removed.
    void stop();
    bool isRunning() const;
    // The batches the last job wrote: the work comes in pieces.
    int batches() const;

private:
    class Job;
    void handleFinished();

    std::unique_ptr<Job> m_job;
};

} // namespace Vexal
