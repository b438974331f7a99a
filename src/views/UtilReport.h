#pragma once

#include <QString>

class QWidget;

namespace Vexal {

class DBBase;
class DBListBase;

// The uniform failure reports of the record screens: the detail goes to the
// error console (Logger, under the current context) and the notification bar
// gets the cause a user can act on ("Operation failed: No space left on
// device. ..."), or "Unexpected error occurred. See Error Console for more
// details." when there is none. With untilClosed the notice stays on the bar
// until the user closes it (see UtilSignalManager::emitError).
class UtilReport final
{
public:
    UtilReport() = delete;

    // "Invalid object state. Object: %1".
    static void invalidObject(const QString& name);
    // The list's last error text; nothing for a null list.
    static void listError(const DBListBase* list);
    // The record's last error text; nothing for a null record.
    static void recordError(const DBBase* record, bool untilClosed = false);
    // Any other error text, with its cause when one is known.
    static void error(const QString& text, const QString& cause = QString(), bool untilClosed = false);

    // A failure met by a modal dialog that stays open with what the user
    // chose and typed: the text goes to the log (none when it was logged
    // already), the cause in the same words to a message box in front of
    // the dialog, which the user closes before going on. The bar behind a
    // modal dialog is not where the user looks.
    static void errorBox(QWidget* parent, const QString& text, const QString& cause);
    static void recordErrorBox(QWidget* parent, const DBBase* record);
};

} // namespace Vexal
