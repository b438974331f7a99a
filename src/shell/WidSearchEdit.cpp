#include "shell/WidSearchEdit.h"

#include <QKeyEvent>
#include <QTimer>

namespace Vexal {

WidSearchEdit::WidSearchEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setFrame(false);
}

void WidSearchEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // After the click that gave the focus has placed the cursor.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void WidSearchEdit::keyPressEvent(QKeyEvent* event)
{
    const bool execute = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QLineEdit::keyPressEvent(event);
    if (execute)
        emit onExecute();
}

} // namespace Vexal
