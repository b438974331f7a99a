#include "widgets/UtilPainter.h"

#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace Vexal {

void UtilPainter::drawFrame(QWidget* widget)
{
    if (!widget)
        return;
    const QPalette palette;
    const int w = widget->width();
    const int h = widget->height();
    QPainter painter(widget);
    painter.fillRect(widget->rect(), palette.color(QPalette::Window));
    const QRect box(QPoint(0, 7), QPoint(w - 2, h - 9));
    painter.fillRect(box, palette.color(QPalette::Base));
    painter.setPen(palette.color(QPalette::Window));
    painter.drawRect(box);
    painter.setPen(palette.color(QPalette::Dark));
    painter.drawRoundedRect(QRectF(0, 7, w - 1, h - 15), 3.0, 3.0, Qt::AbsoluteSize);
}

void UtilPainter::drawRightLine(QWidget* widget)
{
    if (!widget)
        return;
    QPainter painter(widget);
    painter.setPen(QPalette().color(QPalette::Dark));
    painter.drawLine(widget->width() - 1, 0, widget->width() - 1, widget->height());
}

void UtilPainter::drawBottomLine(QWidget* widget)
{
    if (!widget)
        return;
    QPainter painter(widget);
    painter.setPen(QPalette().color(QPalette::Dark));
    painter.drawLine(0, widget->height() - 1, widget->width(), widget->height() - 1);
}

void UtilPainter::drawTopLine(QWidget* widget)
{
    if (!widget)
        return;
    QPainter painter(widget);
    painter.setPen(QPalette().color(QPalette::Dark));
    painter.drawLine(1, 0, widget->width(), 0);
}

} // namespace Vexal
