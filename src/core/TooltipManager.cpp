#include "core/TooltipManager.h"

#include <QToolButton>

namespace Vexal {

TooltipManager::TooltipManager(QObject* parent)
    : QObject(parent)
{
}

void TooltipManager::addButton(QToolButton* button)
{
    if (button)
        m_buttons.append(button);
}

void TooltipManager::toggle()
{
    m_iconOnly = !m_iconOnly;
    for (const QPointer<QToolButton>& button : qAsConst(m_buttons)) {
        if (!button)
            continue;
        if (m_iconOnly) {
            button->setToolTip(button->text());
            button->setText(QString());
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        } else {
            button->setText(button->toolTip());
            button->setToolTip(QString());
            button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        }
    }
}

} // namespace Vexal
