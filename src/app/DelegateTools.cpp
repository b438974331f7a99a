#include "app/DelegateTools.h"

#include "app/DelegateSteps.h"
#include "core/Init.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBCache.h"
#include "data/DBOptions.h"
#include "data/DBOptionsList.h"
#include "data/DBUrlShortcutList.h"
#include "data/DBWriteQueue.h"
#include "exchange/ThreadDBBackup.h"
#include "exchange/ThreadDBClean.h"
#include "exchange/ThreadDBReindex.h"
#include "shell/WidErrorConsole.h"
#include "shell/WidNotificationConsole.h"
#include "shell/WidTabManager.h"
#include "app/WndMainBase.h"
#include "texts/LocaleDelegate.h"
#include "texts/LocaleMessage.h"
#include "views/UtilDialog.h"
#include "views/WidDatabaseJournal.h"
#include "views/WidOptionsEditor.h"

#include <memory>

namespace Vexal {

DelegateTools::DelegateTools(WidTabManager* tabManager, QObject* parent)
    : DelegateBase(tabManager, parent)
{
}

void DelegateTools::openDatabase()
{
    openUniqueTab<WidDatabaseJournal>();
}

void DelegateTools::openNotificationConsole()
{
    openUniqueTab<WidNotificationConsole>();
}

void DelegateTools::openErrorConsole()
{
    openUniqueTab<WidErrorConsole>();
}

void DelegateTools::reindexDatabase()
{
    runJob([](QObject* parent) { return new ThreadDBReindex(parent); });
}

void DelegateTools::cleanDatabase()
{
    runJob([](QObject* parent) { return new ThreadDBClean(parent); });
}

void DelegateTools::backupDatabase()
{
    runJob([](QObject* parent) { return new ThreadDBBackup(parent); });
}

bool DelegateTools::ensureOptions(DBOptionsList& list)
{
    if (!list.load()) {
        reportListError(&list);
        return false;
    }
    if (list.count() == 0) {
        if (!list.options() || !list.saveAll()) {
            reportListError(&list);
            return false;
        }
    }
    return true;
}

bool DelegateTools::setPrivateBrowsing(bool on)
{
    // Written now, or kept and written once a job lets go of the database:
    // either way the choice is in force from now on. The row is read inside
    // the write, so that a database held by a job delays it instead of
    // failing it.
    const bool saveHistory = !on;
    // The write may run later, after this command (kept behind a job).
    const auto cause = std::make_shared<QString>();
    const bool stored = DBWriteQueue::submit(LocaleMessage::changePrivateBrowsing(), [saveHistory, cause] {
        DBOptionsList rows;
        DBOptions* row = rows.load() ? rows.options() : nullptr;
        if (row) {
            row->setSaveHistory(saveHistory);
            if (rows.saveAll())
                return true;
        }
        Logger::error(rows.errorText());
        *cause = rows.failureCause();
        return false;
    });
    if (!stored) {
        UtilSignalManager::instance()->emitError(LocaleMessage::failureFor(*cause));
        resyncPrivateBrowsing();
        return false;
    }
    DBCache::setSaveHistory(saveHistory);
    return true;
}

void DelegateTools::resyncPrivateBrowsing()
{
    // The menu check was toggled before the command ran: put it back to what
    // is actually in force.
    if (auto* window = qobject_cast<WndMainBase*>(parent()))
        window->updatePrivateBrowsingAction();
}

void DelegateTools::openOptions()
{
    DBOptionsList options(this);
    if (!ensureOptions(options))
        return;
    DBUrlShortcutList shortcuts(this);
    if (!shortcuts.load()) {
        reportListError(&shortcuts);
        return;
    }
    if (shortcuts.count() == 0) {
        shortcuts.appendDefaults();
        if (!shortcuts.saveAll()) {
            reportListError(&shortcuts);
            return;
        }
    }
    WidTabManager* manager = tabManager();
    if (!manager)
        return;
    DBOptions* record = options.options();
    manager->addUniqueTab(std::make_unique<WidOptionsEditor>(parentWidget()),
                          std::make_unique<Init>(record ? record->id() : -1, parentWidget()));
}

} // namespace Vexal
