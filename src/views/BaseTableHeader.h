#pragma once

#include <QHeaderView>
#include <QPoint>

namespace Vexal {

// The horizontal header of a record table; it remembers where it was last
// pressed, so that "Resize Column" acts on the column under the menu.
class BaseTableHeader final : public QHeaderView
{
    Q_OBJECT
public:
    explicit BaseTableHeader(Qt::Orientation orientation, QWidget* parent = nullptr);

    QPoint pressPosition() const { return m_pressPosition; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPoint m_pressPosition;
};

} // namespace Vexal
