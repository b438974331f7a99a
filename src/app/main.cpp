#include "app/WndMain.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return Vexal::WndMain::run();
}
