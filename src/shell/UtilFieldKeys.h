#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

namespace Vexal {

// The keys of a field in the window's bars (address, search, find, replace,
// go to line). The field keeps its editing keys: typing, moving and
// selecting, deleting, undo, redo, cut, copy, paste and select all. Any other
// key that the field would claim for a binding of its own (under X11 Ctrl+U
// deletes the line) goes to the window's commands first, and reaches the
// field only when no command has it.
class UtilFieldKeys final : public QObject
{
    Q_OBJECT
public:
    // Watches the field for as long as it lives.
    static void install(QWidget* field);
    static bool isEditingKey(const QKeyEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

} // namespace Vexal
