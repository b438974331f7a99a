#pragma once

#include "views/BaseToolbar.h"

#include <QWidget>

namespace Vexal {

// Tooltips | Select All, Delete | Reload.
class WidNotificationConsoleToolbar : public QWidget, public BaseToolbar
{
    Q_OBJECT
public:
    explicit WidNotificationConsoleToolbar(QWidget* parent = nullptr);

signals:
    void onSelect();
    void onDelete();
    void onReload();

public slots:
    void slotTooltips();

protected:
    void createTooltipsButton() override;
    void createButtons() override;
    QWidget* barWidget() override { return this; }
};

} // namespace Vexal
