#include "views/WidUrlShortcutJournal.h"

#include "data/DBCache.h"
#include "data/DBUrlShortcut.h"
#include "texts/LocaleBaseWidget.h"
#include "views/DlgUrlShortcut.h"
#include "views/UtilDialog.h"
#include "views/WidUrlShortcutTable.h"

namespace Vexal {

WidUrlShortcutJournal::WidUrlShortcutJournal(QWidget* parent)
    : BaseJournal(parent)
{
}

void WidUrlShortcutJournal::createTable()
{
    installTable(new WidUrlShortcutTable(m_syncManager, this));
}

bool WidUrlShortcutJournal::runDialog(DBUrlShortcut* record, bool fill)
{
    DlgUrlShortcut dialog;
    dialog.build(nullptr);
    dialog.setRecordId(record->id());
    if (fill) {
        dialog.setName(record->name());
        dialog.setUrl(record->url());
        dialog.setShortcut(record->shortcut());
    }
    const bool stored = UtilDialog::execUntilStored(&dialog, [&dialog, record](QString& error, QString& cause) {
        record->setName(dialog.name());
        record->setUrl(dialog.url());
        record->setShortcut(dialog.shortcut());
        if (record->save())
            return true;
        error = record->errorText();
        cause = record->failureCause();
        return false;
    });
    if (!stored)
        return false;
    showOwnWrites();
    DBCache::reloadShortcuts();
    return true;
}

void WidUrlShortcutJournal::slotAdd()
{
    if (!startCommand(LocaleBaseWidget::add(), BaseTable::CommandAdd))
        return;
    DBUrlShortcut record;
    runDialog(&record, false);
}

void WidUrlShortcutJournal::slotEdit()
{
    if (!startCommand(LocaleBaseWidget::edit(), BaseTable::CommandEdit))
        return;
    const qint64 id = m_table ? m_table->selectedId() : -1;
    if (id == -1)
        return;
    DBUrlShortcut record;
    // A record that cannot be read is not edited: saving would store a new one.
    if (!record.load(id)) {
        reportRecordError(&record);
        return;
    }
    runDialog(&record, true);
}

void WidUrlShortcutJournal::slotDelete()
{
    BaseJournal::slotDelete();
    DBCache::reloadShortcuts();
}

} // namespace Vexal
