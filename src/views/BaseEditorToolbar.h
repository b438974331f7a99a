#pragma once

#include "widgets/BaseToolbar.h"

#include <QWidget>

namespace Vexal {

// The record editor bar: Save, then the editor's own buttons.
class BaseEditorToolbar : public QWidget, public BaseToolbar
{
    Q_OBJECT
public:
    BaseEditorToolbar(SyncManager* syncManager, QWidget* parent = nullptr);

signals:
    void onSave();

protected:
    void createButtons() override;
    void createExtraButtons() override;
    void createTrailing() override;
    QWidget* barWidget() override { return this; }
};

} // namespace Vexal
