#pragma once

#include "core/Thread.h"

namespace Vexal {

// Copies the database file to "bku/<yyyy_MM_dd>.bku". The copy is taken while
// a write-blocking transaction holds off every writer, goes to a temporary
// file and replaces the day's earlier backup only once complete and synced to
// the disk.
class ThreadDBBackup : public Thread
{
    Q_OBJECT
public:
    explicit ThreadDBBackup(QObject* parent = nullptr);

    QString title() const override;

    // The backup file of a day in a folder.
    static QString targetPath(const QString& folder, const QDate& day);
    // The file a backup is copied to before it replaces the target; a backup
    // removes those that a killed run left in the folder.
    static QString temporaryPath(const QString& target);
    static QString temporarySuffix();

protected:
    void run() override;

private:
    void backup();
};

} // namespace Vexal
