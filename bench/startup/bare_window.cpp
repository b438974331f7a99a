#include "FirstPaint.h"

#include <QApplication>
#include <QMainWindow>
#include <QTabWidget>
#include <QWebView>

// The reference program: a main window with a tab widget holding a web view on
// a blank page, shown, painted once, then closed.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    FirstPaint painted;
    QMainWindow window;
    auto* tabs = new QTabWidget(&window);
    auto* view = new QWebView(tabs);
    view->load(QUrl(QStringLiteral("about:blank")));
    tabs->addTab(view, QStringLiteral("Blank"));
    window.setCentralWidget(tabs);
    window.resize(800, 500);
    window.setVisible(true);
    return QApplication::exec();
}
