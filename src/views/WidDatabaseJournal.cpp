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
    m_databaseTable = new WidDatabaseTable(m_syncManager, this);
    installTable(m_databaseTable);
}

void WidDatabaseJournal::createTree()
{
    m_databaseTree = new WidDatabaseTree(m_syncManager, this);
    installTree(m_databaseTree);
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
        m_syncManager->setEnabled(id, false);
    m_syncManager->setEnabled(BaseTable::CommandReload, true);
}

void WidDatabaseJournal::handleTreeSelectionChanged()
{
    if (m_databaseTable && m_databaseTree)
        m_databaseTable->showTable(m_databaseTree->currentData());
}

} // namespace Vexal
