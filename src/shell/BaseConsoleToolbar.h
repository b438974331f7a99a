#pragma once

#include "widgets/BaseToolbar.h"

#include <QWidget>

namespace Vexal {

// The bar of a console or text tab: a plain widget that opens with the
// Tooltips button and has no sync manager (every button always enabled).
class BaseConsoleToolbar : public QWidget, public BaseToolbar
{
    Q_OBJECT
public:
    explicit BaseConsoleToolbar(QWidget* parent = nullptr);

public slots:
    void slotTooltips();

protected:
    void createTooltipsButton() override;
    QWidget* barWidget() override { return this; }
};

} // namespace Vexal
