#pragma once

#include <QListWidget>
#include <QPoint>

class QMimeData;

namespace Vexal {

// A list whose current item can be dragged out as plain text. The dragged
// text is the item's Qt::UserRole data, not its display text; an item with
// empty data starts no drag.
class WidDNDList : public QListWidget
{
    Q_OBJECT
public:
    explicit WidDNDList(QWidget* parent = nullptr);

    // Plain-text mime data of the current item's value; null when there is no
    // current item or its value is empty. The caller owns the result.
    QMimeData* mimeDataForCurrent() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Runs the drag; tests override it to record the drags started.
    virtual void execDrag(QMimeData* mime);

private:
    void startDragging();

    QPoint m_pressPosition;
};

} // namespace Vexal
