#include "content/WidContentToolbar.h"

#include <QToolButton>

namespace Vexal {

WidContentToolbar::WidContentToolbar(SyncManager* syncManager, const QList<Command>& commands, QWidget* parent)
    : BaseJournalToolbar(syncManager, parent)
    , m_commands(commands)
{
}

void WidContentToolbar::createExtraButtons()
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

} // namespace Vexal
