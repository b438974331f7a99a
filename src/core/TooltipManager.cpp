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
        buttons.append(button);
}

void TooltipManager::toggle()
{
    iconOnly = !iconOnly;
    for (const QPointer<QToolButton>& button : qAsConst(buttons)) {
        if (!button)
            continue;
        if (iconOnly) {
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
