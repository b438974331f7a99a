#pragma once

#include "core/Thread.h"
#include "data/DBConnection.h"

#include <QAtomicInt>
#include <QSqlError>
#include <QSqlQuery>

// A job that writes a project named "Half-written" in its transaction, then
// runs a statement that never ends by itself: only a cancel ends it, and then
// nothing of it stays in the database.
class EndlessJob : public Vexal::Thread
{
public:
    using Thread::Thread;

    // Set once the endless statement runs.
    QAtomicInt working;

protected:
    void run() override
    {
        QSqlDatabase db = Vexal::DBConnection::current();
        QString error;
        if (!Vexal::DBConnection::beginWrite(db, &error)) {
            setErrorText(error);
            return;
        }
        QSqlQuery query(db);
        if (query.exec(QStringLiteral("INSERT INTO Project (Name, Active, URL) VALUES ('Half-written', 0, '');"))) {
            working.storeRelease(1);
            query.exec(QStringLiteral(
                "WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c) SELECT COUNT(*) FROM c;"));
        }
        setErrorText(query.lastError().text());
        db.rollback();
    }
};
