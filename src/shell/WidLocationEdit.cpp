#include "shell/WidLocationEdit.h"

#include "shell/UtilFieldKeys.h"

#include <QKeyEvent>
#include <QTimer>

namespace Vexal {

WidLocationEdit::WidLocationEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setFrame(false);
    UtilFieldKeys::install(this);
}

void WidLocationEdit::setPageText(const QString& text)
{
    m_pageText = text;
    m_hasPageText = true;
    if (!isUserBusy())
        setText(text);
}

void WidLocationEdit::focusAndSelectAll(Qt::FocusReason reason)
{
    setFocus(reason);
    selectAll();
}

bool WidLocationEdit::isUserBusy() const
{
    return isModified() || (hasFocus() && !m_committed);
}

void WidLocationEdit::focusInEvent(QFocusEvent* event)
{
    m_committed = false;
    QLineEdit::focusInEvent(event);
    // After the click that gave the focus has placed the cursor.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void WidLocationEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A context menu of the field itself is no leaving.
    if (event->reason() == Qt::PopupFocusReason)
        return;
    if (m_hasPageText && !isModified() && text() != m_pageText)
        setText(m_pageText);
}

void WidLocationEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && m_hasPageText && (isModified() || text() != m_pageText)) {
        setText(m_pageText);
        selectAll();
        m_committed = false;
        event->accept();
        return;
    }
    const bool execute = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QLineEdit::keyPressEvent(event);
    if (execute) {
        // The text is handed on now; the address it leads to may show.
        setModified(false);
        m_committed = true;
        emit onExecute();
    }
}

} // namespace Vexal
