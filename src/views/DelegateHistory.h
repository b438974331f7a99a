#pragma once

#include "shell/DelegateBase.h"

namespace Vexal {

// The History menu's commands: open the history journal, and clear the
// visits of a time range (optionally of one website only).
class DelegateHistory final : public DelegateBase
{
    Q_OBJECT
public:
    DelegateHistory(WidTabManager* tabManager, QObject* parent);

    // Opens the history journal, or focuses the open one; the tab's index,
    // -1 without a tab manager.
    int history();
    // Asks for the range in the clean-history dialog and deletes the visits
    // in one statement. False when cancelled or when the delete failed
    // (logged and reported).
    bool clearRecentHistory();
};

} // namespace Vexal
