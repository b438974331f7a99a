#include "exchange/ThreadDBBackup.h"

#include "core/ConstApp.h"
#include "data/DBConnection.h"
#include "texts/LocaleThread.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <unistd.h>

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
    return target + temporarySuffix();
}

QString ThreadDBBackup::temporarySuffix()
{
    return QStringLiteral(".part");
}

namespace {

QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

// Writes the folder's entries (a new or renamed file in it) to the disk.
// A file system that cannot sync a folder says EINVAL; there is nothing more
// to do on it.
QString syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return systemError(errno);
    QString error;
    if (::fsync(fd) != 0 && errno != EINVAL)
        error = systemError(errno);
    ::close(fd);
    return error;
}

// Copies a file, checking every write (a buffered copy can lose a short
// write, such as on a full disk, without reporting it); "" on success.
QString copyFile(const QString& from, const QString& to)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return in.errorString();
    QFile out(to);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return out.errorString();
    while (!in.atEnd()) {
        const QByteArray block = in.read(1 << 16);
        if (block.isEmpty() && in.error() != QFileDevice::NoError)
            return in.errorString();
        qint64 written = 0;
        while (written < block.size()) {
            const qint64 n = out.write(block.constData() + written, block.size() - written);
            if (n <= 0)
                return out.errorString();
            written += n;
        }
    }
    return QString();
}

// Writes a file's data to the disk. The copy must be there before it replaces
// the earlier backup: renamed first, a power loss could leave the day's backup
// empty or torn. Done after the copy's transaction ends, so that writers do
// not wait for the disk.
QString syncFile(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return systemError(errno);
    QString error;
    if (::fsync(fd) != 0)
        error = systemError(errno);
    ::close(fd);
    return error;
}

// Removes what a backup that was killed while copying left behind.
void removeTemporaries(const QString& folder)
{
    QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral("*.bku") + ThreadDBBackup::temporarySuffix()},
                                            QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names)
        dir.remove(name);
}

} // namespace

void ThreadDBBackup::run()
{
    runGuarded([this] { backup(); });
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
    const QString temporary = temporaryPath(target);
    removeTemporaries(folder);

    QString error;
    {
        QSqlQuery lock(DBConnection::current());
        const QString begin = QStringLiteral("BEGIN IMMEDIATE;");
        if (!lock.exec(begin)) {
            setErrorText(LocaleThread::sqlQueryFailed(begin, lock.lastError().text()));
            return;
        }
        // A file in write-ahead-log mode holds recent commits in its log.
        if (DBConnection::checkpointForCopy(&error))
            error = copyFile(ConstApp::databaseFile(), temporary);
        lock.exec(QStringLiteral("ROLLBACK;"));
    }
    if (error.isEmpty())
        error = syncFile(temporary);
    if (error.isEmpty())
        error = syncFolder(folder);
    if (!error.isEmpty()) {
        QFile::remove(temporary);
        setErrorText(error);
        return;
    }

    std::error_code code;
    std::filesystem::rename(QFile::encodeName(temporary).toStdString(), QFile::encodeName(target).toStdString(), code);
    if (code) {
        QFile::remove(temporary);
        setErrorText(QString::fromStdString(code.message()));
        return;
    }
    // The new backup is in place; a failed sync now only means the rename may
    // not survive a power loss, which is reported.
    error = syncFolder(folder);
    if (!error.isEmpty()) {
        setErrorText(error);
        return;
    }
    setSuccessful(true);
}

} // namespace Vexal
