#include "views/BaseJournalToolbar.h"

#include "core/TooltipManager.h"
#include "texts/ConstIcon.h"
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
    if (tooltipManager())
        tooltipManager()->toggle();
}

void BaseJournalToolbar::createTooltipsButton()
{
    QToolButton* button = addButton(ConstIcon::tooltips(32), LocaleBaseWidget::tooltips(), 0);
    connect(button, &QToolButton::clicked, this, &BaseJournalToolbar::slotTooltips);
    addSeparator();
}

void BaseJournalToolbar::createButtons()
{
    QToolButton* button = addButton(ConstIcon::add(32), LocaleBaseWidget::add(), 1);
    connect(button, &QToolButton::clicked, this, &BaseJournalToolbar::onAdd);
    button = addButton(ConstIcon::edit(32), LocaleBaseWidget::edit(), 2);
    connect(button, &QToolButton::clicked, this, &BaseJournalToolbar::onEdit);
    button = addButton(ConstIcon::deleteIcon(32), LocaleBaseWidget::deleteItem(), 3);
    connect(button, &QToolButton::clicked, this, &BaseJournalToolbar::onDelete);
    addSeparator();
    button = addButton(ConstIcon::filter(32), LocaleBaseWidget::filter(), 11);
    connect(button, &QToolButton::clicked, this, &BaseJournalToolbar::onFilter);
    button = addButton(ConstIcon::filterRed(32), LocaleBaseWidget::remove(), 12);
    connect(button, &QToolButton::clicked, this, &BaseJournalToolbar::onRemoveFilter);
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
    QToolButton* button = addButton(ConstIcon::reload(32), LocaleBaseWidget::reload(), 10);
    connect(button, &QToolButton::clicked, this, &BaseJournalToolbar::onReload);
    addStretch();
}

} // namespace Vexal
