#pragma once

#include "shell/BaseConsoleToolbar.h"

namespace Vexal {

// Tooltips | Select All, Delete | Reload.
class WidNotificationConsoleToolbar final : public BaseConsoleToolbar
{
    Q_OBJECT
public:
    explicit WidNotificationConsoleToolbar(QWidget* parent = nullptr);

signals:
    void onSelect();
    void onDelete();
    void onReload();

protected:
    void createButtons() override;
};

} // namespace Vexal
