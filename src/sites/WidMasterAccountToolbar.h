#pragma once

#include "views/BaseEditorToolbar.h"

namespace Vexal {

// The master-account editor bar: Save, then Create Account (always enabled).
class WidMasterAccountToolbar final : public BaseEditorToolbar
{
    Q_OBJECT
public:
    WidMasterAccountToolbar(SyncManager* syncManager, QWidget* parent = nullptr);

signals:
    void onCreateAccount();

protected:
    void createExtraButtons() override;
};

} // namespace Vexal
