#include "data/TemporaryFiles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace Vexal {

QString TemporaryFiles::name(const QString& finalPath, const QString& suffix)
{
    return QStringLiteral("%1.%2-%3%4")
        .arg(finalPath, QString::number(QCoreApplication::applicationPid()),
             QStringLiteral("%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')), suffix);
}

int TemporaryFiles::removeStale(const QString& folder, const QString& finalNamePattern, const QString& suffix,
                                int staleSeconds)
{
    const QRegularExpression ours(QStringLiteral("^(?:%1)\\.\\d+-[0-9a-f]{8}%2(?:-journal|-wal|-shm)?$")
                                      .arg(finalNamePattern, QRegularExpression::escape(suffix)));
    const QDateTime limit = QDateTime::currentDateTime().addSecs(-staleSeconds);
    const QFileInfoList found = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    int removed = 0;
    for (const QFileInfo& file : found) {
        if (ours.match(file.fileName()).hasMatch() && file.lastModified() < limit
            && QFile::remove(file.absoluteFilePath()))
            ++removed;
    }
    return removed;
}

} // namespace Vexal
