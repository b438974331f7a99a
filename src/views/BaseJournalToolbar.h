#pragma once

#include "widgets/BaseToolbar.h"

#include <QWidget>

namespace Vexal {

// The journal bar: Tooltips, Add, Edit, Delete, Filter, Remove, the area's
// own buttons (createExtraButtons), Reload.
class BaseJournalToolbar : public QWidget, public BaseToolbar
{
    Q_OBJECT
public:
    BaseJournalToolbar(SyncManager* syncManager, QWidget* parent = nullptr);

signals:
    void onAdd();
    void onEdit();
    void onDelete();
    void onFilter();
    void onRemoveFilter();
    void onReload();
    // For the areas that add a Signatures button; the base never emits it.
    void onSignatures();

public slots:
    void slotTooltips();

protected:
    void createTooltipsButton() override;
    void createButtons() override;
    void createExtraButtons() override;
    void createTrailing() override;
    QWidget* barWidget() override { return this; }
};

} // namespace Vexal
