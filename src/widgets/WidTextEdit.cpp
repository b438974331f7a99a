#include "widgets/WidTextEdit.h"

#include "core/UtilSignalManager.h"
#include "texts/LocaleConsole.h"

#include <QApplication>
#include <QWheelEvent>

namespace Vexal {

WidTextEdit::WidTextEdit(QWidget* parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void WidTextEdit::zoomInStep()
{
    if (m_zoomLevel >= zoomLimit) {
        UtilSignalManager::instance()->emitWarning(LocaleConsole::zoomLimitReached());
        return;
    }
    ++m_zoomLevel;
    zoomIn(1);
}

void WidTextEdit::zoomOutStep()
{
    if (m_zoomLevel <= -zoomLimit) {
        UtilSignalManager::instance()->emitWarning(LocaleConsole::zoomLimitReached());
        return;
    }
    --m_zoomLevel;
    zoomOut(1);
}

void WidTextEdit::resetZoom()
{
    setFont(QApplication::font());
    m_zoomLevel = 0;
}

bool WidTextEdit::findText(const QString& text, bool forward, bool matchCase)
{
    QTextDocument::FindFlags flags;
    if (!forward)
        flags |= QTextDocument::FindBackward;
    if (matchCase)
        flags |= QTextDocument::FindCaseSensitively;
    const bool found = find(text, flags);
    setFocus(Qt::OtherFocusReason);
    return found;
}

void WidTextEdit::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        event->accept();
        return;
    }
    QTextEdit::wheelEvent(event);
}

} // namespace Vexal
