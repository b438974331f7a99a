#include "views/BaseEditorToolbar.h"

#include "texts/ConstIcon.h"
#include "views/BaseTable.h"
#include "texts/LocaleBaseWidget.h"

#include <QToolButton>

namespace Vexal {

BaseEditorToolbar::BaseEditorToolbar(SyncManager* syncManager, QWidget* parent)
    : QWidget(parent)
    , BaseToolbar(syncManager)
{
}

void BaseEditorToolbar::createButtons()
{
    addButton(ConstIcon::save(32), LocaleBaseWidget::save(), BaseTable::CommandSave, this, &BaseEditorToolbar::onSave);
    addSeparator();
}

void BaseEditorToolbar::createExtraButtons()
{
}

void BaseEditorToolbar::createTrailing()
{
    addStretch();
}

} // namespace Vexal
