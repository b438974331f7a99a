#include "app/WndMain.h"

#include <QApplication>

#include <csignal>

int main(int argc, char** argv)
{
    // A file-size limit then fails the write that passes it, with the
    // system's reason, as a full disk does, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    return Vexal::WndMain::run();
}
