#pragma once

#include "core/Thread.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// Runs a job on its own thread and waits for it.
inline bool runJob(Vexal::Thread& job)
{
    job.start();
    return job.wait(60000);
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
