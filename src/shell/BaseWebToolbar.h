#pragma once

#include "widgets/BaseToolbar.h"

#include <QGroupBox>

namespace Vexal {

// The tool bar of a web-tab side panel: a titled group box with a Tooltips
// button first and a Close button last; panels add their own buttons in
// createExtraButtons. Call build() once after construction.
class BaseWebToolbar : public QGroupBox, public BaseToolbar
{
    Q_OBJECT
public:
    BaseWebToolbar(const QString& title, QWidget* parent = nullptr);

signals:
    void onAdd();
    void onEdit();
    void onDelete();
    void onReload();
    void onClose();

public slots:
    void slotTooltips();

protected:
    void createTooltipsButton() override;
    void createCloseButton() override;
    QWidget* barWidget() override { return this; }
};

} // namespace Vexal
