#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// Some faults show only where a window system draws: the X server copies what
// a widget drew when it scrolls, and a line edit binds keys there that the
// offscreen platform leaves free. Such tests run again in a process of their
// own, on a virtual X server, as a user's desktop runs them.
namespace UnderX11 {

// Why the tests cannot run again under X11 here; "" when they can.
inline QString unavailable()
{
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return QStringLiteral("Running under X11 already.");
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
        return QStringLiteral("Xvfb is missing (tools/deps.sh installs it).");
    return QString();
}

// Runs the test functions of one class of this executable on a new virtual X
// server; true when the run ended by itself with success. `output` gets what
// it printed (or why it could not start).
inline bool run(const QString& testClass, const QStringList& functions, QByteArray* output)
{
    // The server picks a free display itself and names it on its output.
    QProcess server;
    server.start(QStandardPaths::findExecutable(QStringLiteral("Xvfb")),
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                  QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1280x1024x24")});
    if (!server.waitForStarted()) {
        *output = "Xvfb did not start";
        return false;
    }
    while (!server.canReadLine() && server.state() != QProcess::NotRunning)
        server.waitForReadyRead(30000);
    const QString display = QString::fromLatin1(server.readLine().trimmed());
    if (display.isEmpty()) {
        *output = "Xvfb named no display: " + server.readAllStandardError();
        return false;
    }

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + display);
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), QStringList{QStringLiteral("-class"), testClass} + functions);
    const bool finished = child.waitForFinished(120000);
    if (!finished)
        child.kill();
    *output = child.readAll();
    server.terminate();
    server.waitForFinished(10000);
    return finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
}

} // namespace UnderX11
