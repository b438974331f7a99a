#include "shell/UtilFieldKeys.h"

#include <QKeyEvent>
#include <QWidget>

namespace Vexal {

void UtilFieldKeys::install(QWidget* field)
{
    if (field)
        field->installEventFilter(new UtilFieldKeys(field));
}

namespace {

// The bindings of these the field keeps also where the field would not claim
// them itself (under X11 Ctrl+D deletes, as the window's Quick Bookmark key).
bool isEditingBinding(const QKeyEvent* event)
{
    static const QKeySequence::StandardKey editing[] = {
        QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Paste,
        QKeySequence::SelectAll, QKeySequence::Delete, QKeySequence::Backspace, QKeySequence::DeleteStartOfWord,
        QKeySequence::DeleteEndOfWord, QKeySequence::MoveToNextChar, QKeySequence::MoveToPreviousChar,
        QKeySequence::SelectNextChar, QKeySequence::SelectPreviousChar, QKeySequence::MoveToNextWord,
        QKeySequence::MoveToPreviousWord, QKeySequence::SelectNextWord, QKeySequence::SelectPreviousWord,
        QKeySequence::MoveToStartOfLine, QKeySequence::MoveToEndOfLine, QKeySequence::SelectStartOfLine,
        QKeySequence::SelectEndOfLine, QKeySequence::MoveToStartOfBlock, QKeySequence::MoveToEndOfBlock,
        QKeySequence::SelectStartOfBlock, QKeySequence::SelectEndOfBlock, QKeySequence::MoveToStartOfDocument,
        QKeySequence::MoveToEndOfDocument, QKeySequence::SelectStartOfDocument, QKeySequence::SelectEndOfDocument,
    };
    for (QKeySequence::StandardKey key : editing) {
        if (event->matches(key))
            return true;
    }
    return false;
}

} // namespace

bool UtilFieldKeys::isEditingKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    return modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier || isEditingBinding(event);
}

bool UtilFieldKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        // An editing binding is the field's, whatever the window binds it to.
        if (isEditingBinding(key)) {
            event->accept();
            return true;
        }
        // Not claiming the key lets the window's shortcut have it; without
        // one the key comes to the field as an ordinary key press. Plain keys
        // the field claims itself when it types or moves with them.
        if (!isEditingKey(key)) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace Vexal
