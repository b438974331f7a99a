#include "exchange/ThreadDBBackup.h"

#include "core/ConstApp.h"
#include "data/DBConnection.h"
#include "texts/LocaleThread.h"

#include <QDate>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

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

namespace {

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
    const QString temporary = target + QStringLiteral(".part");
    QFile::remove(temporary);

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
    setSuccessful(true);
}

} // namespace Vexal
