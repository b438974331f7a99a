#include "shell/WidLocationEdit.h"

#include <QKeyEvent>
#include <QTimer>

namespace Vexal {

WidLocationEdit::WidLocationEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setFrame(false);
}

void WidLocationEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // After the click that gave the focus has placed the cursor.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void WidLocationEdit::keyPressEvent(QKeyEvent* event)
{
    const bool execute = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QLineEdit::keyPressEvent(event);
    if (execute)
        emit onExecute();
}

} // namespace Vexal
