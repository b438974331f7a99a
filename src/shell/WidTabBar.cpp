#include "shell/WidTabBar.h"

#include "widgets/UtilPainter.h"

namespace Vexal {

WidTabBar::WidTabBar(QWidget* parent)
    : QTabBar(parent)
{
}

void WidTabBar::paintEvent(QPaintEvent* event)
{
    QTabBar::paintEvent(event);
    UtilPainter::drawBottomLine(this);
}

} // namespace Vexal
