#include "views/BaseTableHeader.h"

#include <QMouseEvent>

namespace Vexal {

BaseTableHeader::BaseTableHeader(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent)
{
}

void BaseTableHeader::mousePressEvent(QMouseEvent* event)
{
    m_pressPosition = event->pos();
    QHeaderView::mousePressEvent(event);
}

} // namespace Vexal
