#include "app/UtilExitSignals.h"

#include "app/WndMain.h"
#include "core/UtilPrompt.h"
#include "widgets/DlgBase.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace Vexal {

namespace {

const int watchedSignals[] = {SIGTERM, SIGINT};

// The pipe from the signal handler to the event loop; -1 while unwatched.
int signalPipe[2] = {-1, -1};
struct sigaction earlier[2];

extern "C" void writeSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a wake-up: nothing is lost.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

UtilExitSignals::UtilExitSignals()
{
    if (signalPipe[0] >= 0 || ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    struct sigaction action = {};
    action.sa_handler = writeSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 2; ++i)
        ::sigaction(watchedSignals[i], &action, &earlier[i]);
    m_notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UtilExitSignals::handleSignal);
}

UtilExitSignals::~UtilExitSignals()
{
    if (!m_notifier)
        return;
    for (int i = 0; i < 2; ++i)
        ::sigaction(watchedSignals[i], &earlier[i], nullptr);
    UtilPrompt::setClosing(false);
    delete m_notifier;
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

void UtilExitSignals::setWindow(WndMain* window)
{
    m_window = window;
    if (m_pending && window)
        QTimer::singleShot(0, window, &WndMain::slotExit);
}

void UtilExitSignals::handleSignal()
{
    char bytes[16];
    while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
    }
    if (m_window) {
        closeProgram(m_window);
        return;
    }
    // Still starting: a message box of a failed start-up ends; a window
    // that comes up closes at once.
    m_pending = true;
    QCoreApplication::exit(0);
}

} // namespace Vexal

namespace Vexal {

void UtilExitSignals::closeProgram(WndMain* window)
{
    UtilPrompt::setClosing(true);
    DlgBase::dismissOpenDialogs();
    if (window)
        window->slotExit();
    // Also the loops of the boxes and dialogs that the closing command runs
    // in end; a dialog whose job runs waits for it as it goes.
    QCoreApplication::quit();
}

} // namespace Vexal
