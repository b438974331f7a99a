#pragma once

#include <QObject>
#include <QPointer>

class QSocketNotifier;

namespace Vexal {

class WndMain;

// A desktop's logout or shutdown sends SIGTERM, a terminal's Ctrl+C SIGINT:
// while this object lives, either closes the window as File > Exit does (the
// window state is stored, the database closed, the exit code 0) instead of
// ending the process at once. The signal handler only writes a byte to a
// pipe; the window is closed from the event loop, also from the loop of a box
// or dialog: every box open then gets its safe answer (No, Cancel...) and
// every dialog is dismissed, a running job is cancelled and waited for, no
// box or dialog opens any more, and every event loop ends. A signal that
// comes while the program starts ends a start-up message box, and closes the
// window once its event loop runs.
class UtilExitSignals final : public QObject
{
    Q_OBJECT
public:
    UtilExitSignals();
    // Gives both signals back their earlier handling.
    ~UtilExitSignals() override;

    // The window to close; it stays the caller's and outlives this object.
    void setWindow(WndMain* window);

    // False when the signals could not be taken over (they then end the
    // process as before).
    bool isWatching() const { return m_notifier != nullptr; }

    // What the signal does, as the program ends on it.
    static void closeProgram(WndMain* window);

private:
    void handleSignal();

    QPointer<WndMain> m_window;
    QSocketNotifier* m_notifier = nullptr;
    // A signal came before the window.
    bool m_pending = false;
};

} // namespace Vexal
