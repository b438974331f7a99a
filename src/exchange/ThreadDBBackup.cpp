#include "exchange/ThreadDBBackup.h"

#include "core/ConstApp.h"
#include "data/DBConnection.h"
#include "data/TemporaryFiles.h"
#include "texts/LocaleThread.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <filesystem>
#include <system_error>

namespace Vexal {

ThreadDBBackup::ThreadDBBackup(QObject* parent)
    : Thread(parent)
{
}

QString ThreadDBBackup::title() const
{
    return LocaleThread::backupDatabase();
}

QString ThreadDBBackup::targetPath(const QString& folder, const QDate& day)
{
    return QStringLiteral("%1/%2.bku").arg(folder, day.toString(QStringLiteral("yyyy_MM_dd")));
}

QString ThreadDBBackup::temporaryPath(const QString& target)
{
    return TemporaryFiles::name(target, TemporaryFiles::backupCopy);
}

QString ThreadDBBackup::temporarySuffix()
{
    return QLatin1String(TemporaryFiles::backupCopy.suffix);
}

namespace {

// Has SQLite write a consistent copy of the database into a new file; the
// error, and in `cause` what the user can act on (a full disk, say).
QString copyDatabase(const QString& to, QString* cause)
{
    QSqlDatabase db = DBConnection::current();
    QSqlQuery query(db);
    const QString statement = QStringLiteral("VACUUM INTO ?;");
    if (query.prepare(statement)) {
        query.addBindValue(to);
        if (query.exec())
            return QString();
    }
    *cause = DBConnection::failureCause(db, query.lastError());
    const QString reason = DBConnection::systemReason(db, query.lastError());
    return reason.isEmpty() ? LocaleThread::sqlQueryFailed(statement, query.lastError().text()) : reason;
}

void removeCopy(const QString& path)
{
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
}

} // namespace

void ThreadDBBackup::run()
{
    runGuarded([this] { backup(); }, LocaleThread::jobCancelled(title()));
    DBConnection::releaseThreadConnection();
}

void ThreadDBBackup::backup()
{
    const QString folder = ConstApp::appBackupDir();
    if (folder.isEmpty()) {
        setErrorText(LocaleThread::invalidObjectState(QStringLiteral("appBackupDir()")));
        return;
    }
    const QString target = targetPath(folder, QDate::currentDate());
    TemporaryFiles::removeStale(TemporaryFiles::backupCopy);
    const QString temporary = temporaryPath(target);

    QString cause;
    QString error = copyDatabase(temporary, &cause);
    // The copy must be on the disk before it replaces the earlier backup:
    // renamed first, a power loss could leave the day's backup torn. These
    // steps fail with the system's reason, which is the cause too.
    if (error.isEmpty())
        cause = error = TemporaryFiles::syncToDisk(temporary, false);
    if (error.isEmpty())
        cause = error = TemporaryFiles::syncToDisk(folder, true);
    if (!error.isEmpty() || isCancelled()) {
        // Cancelled, the day's earlier backup stays as it was.
        removeCopy(temporary);
        setErrorText(error);
        setFailureCause(cause);
        return;
    }

    std::error_code code;
    std::filesystem::rename(QFile::encodeName(temporary).toStdString(), QFile::encodeName(target).toStdString(), code);
    if (code) {
        removeCopy(temporary);
        setErrorText(QString::fromStdString(code.message()));
        setFailureCause(errorText());
        return;
    }
    // The new backup is in place; a failed sync now only means the rename may
    // not survive a power loss, which is reported.
    error = TemporaryFiles::syncToDisk(folder, true);
    if (!error.isEmpty()) {
        setErrorText(error);
        setFailureCause(error);
        return;
    }
    setResultText(LocaleThread::backupWritten(QDir::toNativeSeparators(target)));
    setSuccessful(true);
}

} // namespace Vexal
