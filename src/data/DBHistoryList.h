#pragma once

#include "data/DBTypedList.h"
#include "data/DBHistory.h"

class QAction;
class QMenu;

namespace Vexal {

// All visits, or the recent ones (the 20 newest).
class DBHistoryList final : public DBTypedList<DBHistory>
{
    Q_OBJECT
public:
    enum Mode { ModeAll = 0, ModeRecent = 1 };
    static constexpr int recentLimit = 20;

    // All rows, in the database's order.
    explicit DBHistoryList(QObject* parent = nullptr);
    // The recent rows; the flag itself is not read.
    DBHistoryList(bool recent, QObject* parent);

    QString orderText() const override;

    // Adds the entry of the visit at the index to the menu: elided title,
    // icon, title and address as tooltip, the address as data, and the
    // marker user data of run-time entries. Null when there is no such
    // record or no menu; the caller connects the action.
    QAction* addMenuItem(int index, QMenu* menu);
};

} // namespace Vexal
