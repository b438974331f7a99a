#include "core/ProcessSetup.h"

#include <QByteArray>
#include <QtGlobal>

#include <csignal>
#include <ctime>

namespace Vexal {

void prepareProcess()
{
    std::signal(SIGXFSZ, SIG_IGN);
    // Without TZ the C library checks the zone file again at every local
    // time conversion; naming the file it would read gives the same zone,
    // read once.
    if (!qEnvironmentVariableIsSet("TZ")) {
        qputenv("TZ", QByteArrayLiteral(":/etc/localtime"));
        tzset();
    }
}

} // namespace Vexal
