#include "app/WndMain.h"
#include "core/ProcessSetup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    Vexal::prepareProcess();
    QApplication app(argc, argv);
    return Vexal::WndMain::run();
}
