#pragma once

#include "core/Thread.h"

namespace Vexal {

// A maintenance job that runs SQL statements one after another on the job
// thread's own connection (released when the job ends) and stops at the
// first that fails, whose error becomes the job's. Each statement commits by
// itself, and a write of the window's that waits goes in before the next one
// (DBConnection::letWaitingWritesIn). Cancelled, it runs no further statement
// and logs that it was cancelled.
class ThreadDBStatements : public Thread
{
    Q_OBJECT
public:
    explicit ThreadDBStatements(QObject* parent = nullptr);

protected:
    void run() override;
    // The job's statements; false at the first failure.
    virtual bool runStatements() = 0;
    // One statement; a failure sets the job's error text. `changed` gets the
    // number of rows it changed.
    bool execute(const QString& text, int* changed = nullptr);
};

} // namespace Vexal
