#include "sites/WidMasterAccountJournal.h"

#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBQueryManager.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleAccount.h"

namespace Vexal {

QList<BaseJournalToolbar::Command> WidMasterAccountJournal::toolbarCommands() const
{
    return {{ConstIcon::check(32), LocaleAccount::select(), BaseTable::CommandSelect}};
}

void WidMasterAccountJournal::runCommand(int)
{
    slotSelect();
}

void WidMasterAccountJournal::slotSelect()
{
    if (!startCommand(LocaleAccount::select(), BaseTable::CommandSelect))
        return;
    const qint64 id = m_table->selectedId();
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
