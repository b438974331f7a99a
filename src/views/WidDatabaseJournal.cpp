#include "views/WidDatabaseJournal.h"

#include "core/Logger.h"
#include "core/SyncManager.h"
#include "texts/LocaleBaseWidget.h"
#include "texts/LocaleDatabase.h"
#include "views/WidDatabaseTable.h"
#include "views/WidDatabaseTree.h"

namespace Vexal {

WidDatabaseJournal::WidDatabaseJournal(QWidget* parent)
    : BaseJournalTree(parent)
{
}

QString WidDatabaseJournal::title() const
{
    return LocaleDatabase::database();
}

void WidDatabaseJournal::createTable()
{
    databaseTable = new WidDatabaseTable(syncManager, this);
    installTable(databaseTable);
}

void WidDatabaseJournal::createTree()
{
    databaseTree = new WidDatabaseTree(syncManager, this);
    installTree(databaseTree);
}

// The browser is read-only; its table may show any table, so the record
// commands of the base must never run here.
void WidDatabaseJournal::slotAdd() {}
void WidDatabaseJournal::slotEdit() {}
void WidDatabaseJournal::slotDelete() {}
void WidDatabaseJournal::slotFilter() {}
void WidDatabaseJournal::slotRemoveFilter() {}

void WidDatabaseJournal::slotSelectionChanged()
{
    Logger::setContext(QLatin1String(metaObject()->className()), LocaleBaseWidget::selectionChanged());
    for (int id : {BaseTable::CommandAdd, BaseTable::CommandEdit, BaseTable::CommandDelete, BaseTable::CommandFilter,
                   BaseTable::CommandRemoveFilter})
        syncManager->setEnabled(id, false);
    syncManager->setEnabled(BaseTable::CommandReload, true);
}

void WidDatabaseJournal::handleTreeSelectionChanged()
{
    if (databaseTable && databaseTree)
        databaseTable->showTable(databaseTree->currentData());
}

} // namespace Vexal
