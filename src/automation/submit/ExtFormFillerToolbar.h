#pragma once

#include "shell/BaseWebToolbar.h"

namespace Vexal {

// The form filler's tool bar: Add, Delete and Use Data Source between the
// Tooltips and Close buttons of a web-panel bar.
class ExtFormFillerToolbar final : public BaseWebToolbar
{
    Q_OBJECT
public:
    ExtFormFillerToolbar(const QString& title, QWidget* parent = nullptr);

signals:
    void onFill();

protected:
    void createExtraButtons() override;
};

} // namespace Vexal
