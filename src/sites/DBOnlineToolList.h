#pragma once

#include "data/DBTypedList.h"
#include "sites/DBOnlineTool.h"

class QAction;
class QMenu;

namespace Vexal {

// All online tools, in menu order (by Line).
class DBOnlineToolList final : public DBTypedList<DBOnlineTool>
{
    Q_OBJECT
public:
    using DBTypedList::DBTypedList;

    QString orderText() const override;

    // Adds the entry of the tool at the index to the menu: its name (elided
    // to 35), name and address as tooltip, the address as data, and the
    // marker user data of run-time entries. Null when there is no such tool
    // or no menu; the caller connects the action.
    QAction* addMenuItem(int index, QMenu* menu);
};

} // namespace Vexal
