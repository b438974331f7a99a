#include "FirstPaint.h"

#include "data/DBManager.h"
#include "app/WndMain.h"
#include "core/ProcessSetup.h"

#include <QApplication>

// The browser's own start-up in the current folder, as the program runs it,
// reporting its first paint, then leaving through File > Exit as a user would.
int main(int argc, char** argv)
{
    Vexal::prepareProcess();
    QApplication app(argc, argv);
    // Before the window is built: a maximized window is shown while it loads.
    FirstPaint painted;
    Vexal::DBManager manager;
    std::unique_ptr<Vexal::WndMain> window = Vexal::WndMain::create(manager);
    if (!window)
        return 1;
    Vexal::WndMain* shown = window.get();
    painted.onPainted = [shown] { shown->slotExit(); };
    window->setVisible(true);
    return QApplication::exec();
}
