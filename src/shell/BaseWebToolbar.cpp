#include "shell/BaseWebToolbar.h"

#include "core/TooltipManager.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleBaseWidget.h"

#include <QToolButton>

namespace Vexal {

BaseWebToolbar::BaseWebToolbar(const QString& title, QWidget* parent)
    : QGroupBox(title, parent)
    , BaseToolbar(nullptr)
{
}

void BaseWebToolbar::slotTooltips()
{
    if (tooltipManager())
        tooltipManager()->toggle();
}

void BaseWebToolbar::createTooltipsButton()
{
    QToolButton* button = addButton(ConstIcon::tooltips(32), LocaleBaseWidget::tooltips(), 0);
    connect(button, &QToolButton::clicked, this, &BaseWebToolbar::slotTooltips);
    addSeparator();
}

void BaseWebToolbar::createCloseButton()
{
    addStretch();
    QToolButton* button = addButton(ConstIcon::deleteIcon(32), LocaleBaseWidget::close(), 0);
    connect(button, &QToolButton::clicked, this, &BaseWebToolbar::onClose);
}

} // namespace Vexal
