#include "data/TemporaryFiles.h"

#include "core/ConstApp.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace Vexal {

QString TemporaryFiles::databaseFolder()
{
    return QFileInfo(ConstApp::databaseFile()).absolutePath();
}

QString TemporaryFiles::databaseName()
{
    return QRegularExpression::escape(QFileInfo(ConstApp::databaseFile()).fileName());
}

QString TemporaryFiles::backupNames()
{
    return QStringLiteral("\\d{4}_\\d{2}_\\d{2}\\.bku");
}

QString TemporaryFiles::name(const QString& finalPath, const Kind& kind)
{
    return QStringLiteral("%1.%2-%3%4")
        .arg(finalPath, QString::number(QCoreApplication::applicationPid()),
             QStringLiteral("%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')),
             QLatin1String(kind.suffix));
}

int TemporaryFiles::removeStale(const Kind& kind)
{
    const QRegularExpression ours(QStringLiteral("^(?:%1)\\.\\d+-[0-9a-f]{8}%2(?:-journal|-wal|-shm)?$")
                                      .arg(kind.finalNames(), QRegularExpression::escape(QLatin1String(kind.suffix))));
    const QDateTime limit = QDateTime::currentDateTime().addSecs(-kind.staleSeconds);
    const QFileInfoList found = QDir(kind.folder()).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    int removed = 0;
    for (const QFileInfo& file : found) {
        if (ours.match(file.fileName()).hasMatch() && file.lastModified() < limit
            && QFile::remove(file.absoluteFilePath()))
            ++removed;
    }
    return removed;
}

int TemporaryFiles::removeStaleOfEveryKind()
{
    return removeStale(newDatabase) + removeStale(backupCopy);
}

QString TemporaryFiles::syncToDisk(const QString& path, bool folder)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | (folder ? O_DIRECTORY : 0));
    if (fd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    QString error;
    if (::fsync(fd) != 0 && !(folder && errno == EINVAL))
        error = QString::fromLocal8Bit(std::strerror(errno));
    ::close(fd);
    return error;
}

} // namespace Vexal
