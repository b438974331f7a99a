#include "widgets/WidDNDList.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>

namespace Vexal {

WidDNDList::WidDNDList(QWidget* parent)
    : QListWidget(parent)
{
}

QMimeData* WidDNDList::mimeDataForCurrent() const
{
    const QListWidgetItem* item = currentRow() < 0 ? nullptr : currentItem();
    if (!item)
        return nullptr;
    const QString value = item->data(Qt::UserRole).toString();
    if (value.isEmpty())
        return nullptr;
    QMimeData* mime = new QMimeData;
    mime->setText(value);
    return mime;
}

void WidDNDList::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressPosition = event->pos();
    QListWidget::mousePressEvent(event);
}

void WidDNDList::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton)
        && (event->pos() - m_pressPosition).manhattanLength() >= QApplication::startDragDistance())
        startDragging();
    QListWidget::mouseMoveEvent(event);
}

void WidDNDList::startDragging()
{
    QMimeData* mime = mimeDataForCurrent();
    if (mime)
        execDrag(mime);
}

void WidDNDList::execDrag(QMimeData* mime)
{
    QDrag* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->exec(Qt::MoveAction);
}

} // namespace Vexal
