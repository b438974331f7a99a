#include "core/SyncManager.h"

#include <QAction>
#include <QWidget>

namespace Vexal {

SyncManager::SyncManager(QObject* parent)
    : QObject(parent)
{
}

void SyncManager::addWidget(int id, QWidget* widget)
{
    widgets.insert(id, widget);
}

void SyncManager::addAction(int id, QAction* action)
{
    actions.insert(id, action);
}

void SyncManager::setEnabled(int id, bool enabled)
{
    if (QAction* action = actions.value(id))
        action->setEnabled(enabled);
    if (QWidget* widget = widgets.value(id))
        widget->setEnabled(enabled);
}

bool SyncManager::isEnabled(int id) const
{
    const QAction* action = actions.value(id);
    return action && action->isEnabled();
}

} // namespace Vexal
