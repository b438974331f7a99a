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
    m_widgets.insert(id, widget);
}

void SyncManager::addAction(int id, QAction* action)
{
    m_actions.insert(id, action);
}

void SyncManager::setEnabled(int id, bool enabled)
{
    if (QAction* action = m_actions.value(id))
        action->setEnabled(enabled);
    if (QWidget* widget = m_widgets.value(id))
        widget->setEnabled(enabled);
}

bool SyncManager::isEnabled(int id) const
{
    const QAction* action = m_actions.value(id);
    return action && action->isEnabled();
}

} // namespace Vexal
