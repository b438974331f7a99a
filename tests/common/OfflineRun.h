#pragma once

#include <QByteArray>
#include <QtGlobal>

// Before the application object of a test or benchmark run: windows draw
// off screen unless a platform is chosen, and nothing may reach the maker's
// server, not even a name look-up. Unless a run points the program at its
// own loopback server, it points at a loopback port where nothing listens.
inline void prepareOfflineRun()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("TESVAR_SERVER_URL"))
        qputenv("TESVAR_SERVER_URL", "http://127.0.0.1:9/");
}
