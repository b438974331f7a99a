#include "sites/WidMasterAccountJournal.h"

#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBQueryManager.h"
#include "sites/SiteCommands.h"
#include "sites/WidMasterAccountEditor.h"
#include "sites/WidMasterAccountTable.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleAccount.h"

namespace Vexal {

WidMasterAccountJournal::WidMasterAccountJournal(QWidget* parent)
    : BaseJournal(parent)
{
}

QString WidMasterAccountJournal::title() const
{
    return LocaleAccount::masterAccounts();
}

QList<BaseJournalToolbar::Command> WidMasterAccountJournal::toolbarCommands() const
{
    return {{ConstIcon::check(32), LocaleAccount::select(), SiteCommands::Select}};
}

void WidMasterAccountJournal::runCommand(int)
{
    slotSelect();
}

void WidMasterAccountJournal::createTable()
{
    installTable(new WidMasterAccountTable(m_syncManager, this));
}

QWidget* WidMasterAccountJournal::createEditor(QWidget* parent)
{
    return new WidMasterAccountEditor(parent);
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
