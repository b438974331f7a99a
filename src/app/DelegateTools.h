#pragma once

#include "shell/DelegateBase.h"

namespace Vexal {

class DBOptionsList;

// The Tools menu: database, console and options tabs, the maintenance jobs
// and the private-browsing switch.
class DelegateTools : public DelegateBase
{
    Q_OBJECT
public:
    DelegateTools(WidTabManager* tabManager, QObject* parent);

    void openDatabase();
    void openNotificationConsole();
    void openErrorConsole();
    void reindexDatabase();
    void cleanDatabase();
    void backupDatabase();
    // Stores SaveHistory = !on and copies the options into the cache. On any
    // failure the cache is left as it was and the main window's Private
    // Browsing check is set back from the cache. True when stored.
    bool setPrivateBrowsing(bool on);
    void openOptions();

private:
    // Loads the options list and, when it is empty, stores the default row.
    // Failures are reported; false then.
    bool ensureOptions(DBOptionsList& list);
    void resyncPrivateBrowsing();
};

} // namespace Vexal
