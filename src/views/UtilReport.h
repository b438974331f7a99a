#pragma once

#include <QString>

namespace Vexal {

class DBBase;
class DBListBase;

// The uniform failure reports of the record screens: the detail goes to the
// error console (Logger, under the current context) and the notification bar
// gets "Unexpected error occurred. See Error Console for more details.".
class UtilReport final
{
public:
    UtilReport() = delete;

    // "Invalid object state. Object: %1".
    static void invalidObject(const QString& name);
    // The list's last error text; nothing for a null list.
    static void listError(const DBListBase* list);
    // The record's last error text; nothing for a null record.
    static void recordError(const DBBase* record);
    // Any other error text.
    static void error(const QString& text);
};

} // namespace Vexal
