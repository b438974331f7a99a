#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// Instruction counts by callgrind, which repeat from run to run where times
// do not: a benchmark runs a program of its own under it and reads the
// dumps the program asked for (CallgrindMarks.h).
namespace Callgrind {

inline QString valgrind() { return QStandardPaths::findExecutable(QStringLiteral("valgrind")); }

// The instructions counted in one dump (its `key` line: "totals: ", or
// "summary: " for a run counted from its start); negative when the dump
// cannot be read.
inline double instructionsIn(const QString& dump, const QByteArray& key = QByteArrayLiteral("totals: "))
{
    QFile file(dump);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith(key))
            return line.mid(key.size()).toDouble();
    }
    return -1;
}

// Runs `program` with its arguments under callgrind, offscreen, with the
// dumps written as `counts` and `counts.1`, `counts.2`... beside it; counting
// starts at the program's first mark unless `fromStart`. Whether it ran to a
// clean end.
inline bool run(const QString& counts, const QStringList& program, bool fromStart = false,
                const QString& folder = QString(), const QProcessEnvironment& extra = QProcessEnvironment())
{
    QStringList arguments{QStringLiteral("--tool=callgrind"), QStringLiteral("--callgrind-out-file=%1").arg(counts)};
    if (!fromStart)
        arguments << QStringLiteral("--instr-atstart=no");
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(extra);
    process.setProcessEnvironment(environment);
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(valgrind(), arguments + program);
    return process.waitForFinished(60 * 60 * 1000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
}

} // namespace Callgrind
