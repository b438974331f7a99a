#include "sites/WidMasterAccountToolbar.h"

#include "texts/ConstIcon.h"
#include "texts/LocaleAccount.h"

#include <QToolButton>

namespace Vexal {

WidMasterAccountToolbar::WidMasterAccountToolbar(SyncManager* syncManager, QWidget* parent)
    : BaseEditorToolbar(syncManager, parent)
{
}

void WidMasterAccountToolbar::createExtraButtons()
{
    QToolButton* button = addButton(ConstIcon::wizard(32), LocaleAccount::createAccount(), 0);
    connect(button, &QToolButton::clicked, this, &WidMasterAccountToolbar::onCreateAccount);
}

} // namespace Vexal
