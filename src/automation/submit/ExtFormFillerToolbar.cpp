#include "automation/submit/ExtFormFillerToolbar.h"

#include "texts/ConstIcon.h"
#include "texts/LocaleExtension.h"

#include <QToolButton>

namespace Vexal {

ExtFormFillerToolbar::ExtFormFillerToolbar(const QString& title, QWidget* parent)
    : BaseWebToolbar(title, parent)
{
}

void ExtFormFillerToolbar::createExtraButtons()
{
    QToolButton* add = addButton(ConstIcon::add(32), LocaleExtension::add(), 0);
    connect(add, &QToolButton::clicked, this, &BaseWebToolbar::onAdd);
    QToolButton* remove = addButton(ConstIcon::deleteBlue(32), LocaleExtension::deleteItem(), 0);
    connect(remove, &QToolButton::clicked, this, &BaseWebToolbar::onDelete);
    QToolButton* fill = addButton(ConstIcon::wizard(32), LocaleExtension::useDataSource(), 0);
    connect(fill, &QToolButton::clicked, this, &ExtFormFillerToolbar::onFill);
    addSeparator();
}

} // namespace Vexal
