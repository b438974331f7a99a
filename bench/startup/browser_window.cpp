#include "FirstPaint.h"

#include "data/DBManager.h"
#include "app/WndMain.h"

#include <QApplication>

namespace {

// Leaves through File > Exit once painted, as a user would.
class ExitAfterPaint : public FirstPaint
{
public:
    explicit ExitAfterPaint(Vexal::WndMain* window)
        : FirstPaint(window)
        , m_window(window)
    {
    }

protected:
    void finished() override { m_window->slotExit(); }

private:
    Vexal::WndMain* m_window;
};

} // namespace

// The browser's own start-up in the current folder, as the program runs it,
// reporting its first paint.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Vexal::DBManager manager;
    std::unique_ptr<Vexal::WndMain> window = Vexal::WndMain::create(manager);
    if (!window)
        return 1;
    ExitAfterPaint painted(window.get());
    window->setVisible(true);
    return QApplication::exec();
}
