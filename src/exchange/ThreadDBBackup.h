#pragma once

#include "core/Thread.h"

namespace Vexal {

// Copies the database file to "bku/<yyyy_MM_dd>.bku". The copy is taken while
// a write-blocking transaction holds off every writer, goes to a temporary
// file and replaces the day's earlier backup only once complete.
class ThreadDBBackup : public Thread
{
    Q_OBJECT
public:
    explicit ThreadDBBackup(QObject* parent = nullptr);

    QString title() const override;

    // The backup file of a day in a folder.
    static QString targetPath(const QString& folder, const QDate& day);

protected:
    void run() override;

private:
    void backup();
};

} // namespace Vexal
