#pragma once

#include "LoopbackServer.h"
#include "sites/SecurityManager.h"

// Stands in for the maker's server while a test class runs the program:
// TESVAR_SERVER_URL points here from startForProgram() until stopForProgram()
// stops the server jobs and points it back at the runner's dead end.
class ProgramServer : public LoopbackServer
{
public:
    bool startForProgram()
    {
        if (!start())
            return false;
        qputenv("TESVAR_SERVER_URL", url(QStringLiteral("/")).toString().toUtf8());
        return true;
    }

    void stopForProgram()
    {
        Vexal::SecurityManager::stop();
        qputenv("TESVAR_SERVER_URL", "http://127.0.0.1:9/");
    }
};
