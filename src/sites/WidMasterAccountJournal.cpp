#include "sites/WidMasterAccountJournal.h"

#include "core/Logger.h"
#include "core/SyncManager.h"
#include "core/UtilSignalManager.h"
#include "data/DBQueryManager.h"
#include "sites/SiteCommands.h"
#include "sites/WidMasterAccountEditor.h"
#include "sites/WidMasterAccountTable.h"
#include "sites/WidSiteToolbar.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleAccount.h"

#include <QItemSelectionModel>
#include <QVBoxLayout>

namespace Vexal {

WidMasterAccountJournal::WidMasterAccountJournal(QWidget* parent)
    : BaseJournal(parent)
{
}

QString WidMasterAccountJournal::title() const
{
    return LocaleAccount::masterAccounts();
}

void WidMasterAccountJournal::createToolbar()
{
    m_toolbar = new WidSiteToolbar(
        m_syncManager, {{ConstIcon::check(32), LocaleAccount::select(), SiteCommands::Select}}, this);
    m_toolbar->build();
    m_boxLayout->addWidget(m_toolbar);
}

void WidMasterAccountJournal::connectToolbar()
{
    BaseJournal::connectToolbar();
    connect(static_cast<WidSiteToolbar*>(m_toolbar), &WidSiteToolbar::onCommand, this,
            &WidMasterAccountJournal::slotSelect);
}

void WidMasterAccountJournal::createTable()
{
    m_masterAccountTable = new WidMasterAccountTable(m_syncManager, this);
    installTable(m_masterAccountTable);
}

void WidMasterAccountJournal::connectTable()
{
    BaseJournal::connectTable();
    connect(m_masterAccountTable, &WidMasterAccountTable::onSelect, this, &WidMasterAccountJournal::slotSelect);
}

QWidget* WidMasterAccountJournal::createEditor(QWidget* parent)
{
    return new WidMasterAccountEditor(parent);
}

void WidMasterAccountJournal::slotSelectionChanged()
{
    BaseJournal::slotSelectionChanged();
    const bool selected = m_table && m_table->selectionModel() && m_table->selectionModel()->hasSelection();
    m_syncManager->setEnabled(SiteCommands::Select, selected);
}

void WidMasterAccountJournal::slotSelect()
{
    if (!startCommand(LocaleAccount::select(), SiteCommands::Select))
        return;
    const int id = m_table->selectedId();
    if (id == -1)
        return;
    DBQueryManager queries;
    if (!queries.setActiveMasterAccount(id)) {
        Logger::error(queries.errorText());
        UtilSignalManager::instance()->emitError(LocaleAccount::unexpectedError());
        return;
    }
    m_table->reload();
}

} // namespace Vexal
