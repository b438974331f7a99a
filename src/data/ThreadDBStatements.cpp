#include "data/ThreadDBStatements.h"

#include "data/DBConnection.h"
#include "texts/LocaleThread.h"

#include <QSqlError>
#include <QSqlQuery>

namespace Vexal {

ThreadDBStatements::ThreadDBStatements(QObject* parent)
    : Thread(parent)
{
}

void ThreadDBStatements::run()
{
    runGuarded([this] { setSuccessful(runStatements()); }, LocaleThread::jobCancelled(title()));
    DBConnection::releaseThreadConnection();
}

bool ThreadDBStatements::execute(const QString& text, int* changed)
{
    // A statement too short to be interrupted runs whole; the next one waits
    // no more.
    if (isCancelled())
        return false;
    // A save of the user's that waits goes in first.
    DBConnection::letWaitingWritesIn();
    QSqlDatabase db = DBConnection::current();
    QSqlQuery query(db);
    if (query.prepare(text) && query.exec()) {
        if (changed)
            *changed = query.numRowsAffected();
        return true;
    }
    setErrorText(LocaleThread::sqlQueryFailed(text, query.lastError().text()));
    setFailureCause(DBConnection::failureCause(db, query.lastError()));
    return false;
}

} // namespace Vexal
