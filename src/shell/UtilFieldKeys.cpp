#include "shell/UtilFieldKeys.h"

#include <QKeyEvent>
#include <QWidget>

namespace Vexal {

void UtilFieldKeys::install(QWidget* field)
{
    if (field)
        field->installEventFilter(new UtilFieldKeys(field));
}

bool UtilFieldKeys::isEditingKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)
        return true;
    static const QKeySequence::StandardKey editing[] = {
        QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Paste,
        QKeySequence::SelectAll, QKeySequence::Delete, QKeySequence::Backspace, QKeySequence::DeleteStartOfWord,
        QKeySequence::DeleteEndOfWord, QKeySequence::MoveToNextWord, QKeySequence::MoveToPreviousWord,
        QKeySequence::SelectNextWord, QKeySequence::SelectPreviousWord, QKeySequence::MoveToStartOfLine,
        QKeySequence::MoveToEndOfLine, QKeySequence::SelectStartOfLine, QKeySequence::SelectEndOfLine,
        QKeySequence::MoveToStartOfBlock, QKeySequence::MoveToEndOfBlock, QKeySequence::SelectStartOfBlock,
        QKeySequence::SelectEndOfBlock, QKeySequence::MoveToStartOfDocument, QKeySequence::MoveToEndOfDocument,
        QKeySequence::SelectStartOfDocument, QKeySequence::SelectEndOfDocument,
    };
    for (QKeySequence::StandardKey key : editing) {
        if (event->matches(key))
            return true;
    }
    return false;
}

bool UtilFieldKeys::eventFilter(QObject* watched, QEvent* event)
{
    // Not claiming the key lets the window's shortcut have it; without one
    // the key comes to the field as an ordinary key press.
    if (event->type() == QEvent::ShortcutOverride && !isEditingKey(static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace Vexal
