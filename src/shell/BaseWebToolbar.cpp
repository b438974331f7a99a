#include "shell/BaseWebToolbar.h"

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
    toggleTooltips();
}

void BaseWebToolbar::createTooltipsButton()
{
    addTooltipsButton(LocaleBaseWidget::tooltips());
}

void BaseWebToolbar::createCloseButton()
{
    addStretch();
    addButton(ConstIcon::deleteIcon(32), LocaleBaseWidget::close(), 0, this, &BaseWebToolbar::onClose);
}

} // namespace Vexal
