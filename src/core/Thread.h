#pragma once

#include <QString>
#include <QThread>

#include <functional>

namespace Vexal {

// Base of the background jobs. A job overrides run() and title(), does all its
// work inside run() on its own thread, and before run() returns marks itself
// successful or sets a readable error text. Its database work goes through
// DBConnection::current(), which gives the job thread a connection of its own;
// that connection is released when the job ends.
class Thread : public QThread
{
    Q_OBJECT
public:
    explicit Thread(QObject* parent = nullptr);

    virtual QString title() const;
    virtual QString errorText() const;
    virtual bool isSuccessful() const;
    // What the user is told of a failure besides "see the error console":
    // a cause they can act on, or "" when the error text names none.
    QString failureCause() const { return m_failureCause; }
    // What the user is told of a success when the plain "completed" is not
    // all (where the result went, say); "" otherwise.
    QString resultText() const { return m_resultText; }

    // Asks the running job to end as soon as it safely can, as the program
    // does when it has to close. Here: its database statements fail from now
    // on (DBConnection), so that the work of its open transaction is rolled
    // back and the job ends as failed. A job that can stop in a better way
    // of its own (keeping what is whole) does so instead.
    virtual void cancel();
    bool isCancelled() const { return isInterruptionRequested(); }

protected:
    // Runs the job's work and turns whatever it throws, a failed allocation
    // included, into the job's failure: a job never ends the program. A job
    // that was cancelled and did not finish logs `cancelledLine` as a warning
    // (when given), which is also its error text unless it has one.
    void runGuarded(const std::function<void()>& work, const QString& cancelledLine = QString());
    void setSuccessful(bool successful) { m_successful = successful; }
    void setErrorText(const QString& text) { m_errorText = text; }
    void setFailureCause(const QString& cause) { m_failureCause = cause; }
    void setResultText(const QString& text) { m_resultText = text; }
    // The context (class name and action) of the lines the job logs itself;
    // without one, the context the window set last.
    void setLogContext(const QString& className, const QString& action)
    {
        m_logClass = className;
        m_logAction = action;
    }

private:
    void runCatching(const std::function<void()>& work);

    bool m_successful = false;
    QString m_errorText;
    QString m_failureCause;
    QString m_resultText;
    QString m_logClass;
    QString m_logAction;
};

} // namespace Vexal
