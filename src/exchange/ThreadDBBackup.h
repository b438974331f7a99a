#pragma once

#include "core/Thread.h"
#include "data/TemporaryFiles.h"

namespace Vexal {

// Copies the database to "bku/<yyyy_MM_dd>.bku". SQLite itself writes the
// copy (VACUUM INTO on the job's own connection, one consistent snapshot), so
// the file is never opened beside the program's connections: closing such a
// descriptor would drop the process's locks on the database, and another
// program opening it then would take the write-ahead log from under the
// running program. The copy goes to a temporary file that replaces the day's
// earlier backup only once it is complete and on the disk.
class ThreadDBBackup : public Thread
{
    Q_OBJECT
public:
    explicit ThreadDBBackup(QObject* parent = nullptr);

    QString title() const override;

    // The backup file of a day in a folder.
    static QString targetPath(const QString& folder, const QDate& day);
    // A new name for the file a backup is copied to before it replaces the
    // target. A backup, and every start of the program, removes those that
    // killed runs left in the folder once they are stale.
    static QString temporaryPath(const QString& target);
    static QString temporarySuffix();
    // A copy still at work writes to its file well within this.
    static constexpr int staleTemporarySeconds = TemporaryFiles::backupCopy.staleSeconds;

protected:
    void run() override;

private:
    void backup();
};

} // namespace Vexal
