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
    addButton(ConstIcon::wizard(32), LocaleAccount::createAccount(), 0, this,
              &WidMasterAccountToolbar::onCreateAccount);
}

} // namespace Vexal
