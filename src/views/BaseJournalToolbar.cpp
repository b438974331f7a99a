#include "views/BaseJournalToolbar.h"

#include "texts/ConstIcon.h"
#include "views/BaseTable.h"
#include "texts/LocaleBaseWidget.h"

#include <QToolButton>

namespace Vexal {

BaseJournalToolbar::BaseJournalToolbar(SyncManager* syncManager, QWidget* parent)
    : QWidget(parent)
    , BaseToolbar(syncManager)
{
}

BaseJournalToolbar::BaseJournalToolbar(SyncManager* syncManager, const QList<Command>& commands, QWidget* parent)
    : QWidget(parent)
    , BaseToolbar(syncManager)
    , m_commands(commands)
{
}

void BaseJournalToolbar::slotTooltips()
{
    toggleTooltips();
}

void BaseJournalToolbar::createTooltipsButton()
{
    addTooltipsButton(LocaleBaseWidget::tooltips());
}

void BaseJournalToolbar::createButtons()
{
    addButton(ConstIcon::add(32), LocaleBaseWidget::add(), BaseTable::CommandAdd, this, &BaseJournalToolbar::onAdd);
    addButton(ConstIcon::edit(32), LocaleBaseWidget::edit(), BaseTable::CommandEdit, this, &BaseJournalToolbar::onEdit);
    addButton(ConstIcon::deleteIcon(32), LocaleBaseWidget::deleteItem(), BaseTable::CommandDelete, this,
              &BaseJournalToolbar::onDelete);
    addSeparator();
    addButton(ConstIcon::filter(32), LocaleBaseWidget::filter(), BaseTable::CommandFilter, this,
              &BaseJournalToolbar::onFilter);
    addButton(ConstIcon::filterRed(32), LocaleBaseWidget::remove(), BaseTable::CommandRemoveFilter, this,
              &BaseJournalToolbar::onRemoveFilter);
    addSeparator();
}

void BaseJournalToolbar::createExtraButtons()
{
    if (m_commands.isEmpty())
        return;
    // The filter group already ends in a separator; this group closes with
    // its own, before Reload.
    for (const Command& command : m_commands) {
        QToolButton* button = addButton(command.pixmap, command.text, command.id);
        const int id = command.id;
        connect(button, &QToolButton::clicked, this, [this, id] { emit onCommand(id); });
    }
    addSeparator();
}

void BaseJournalToolbar::createTrailing()
{
    addButton(ConstIcon::reload(32), LocaleBaseWidget::reload(), BaseTable::CommandReload, this,
              &BaseJournalToolbar::onReload);
    addStretch();
}

} // namespace Vexal
