#pragma once

#include "shell/BaseConsoleToolbar.h"

namespace Vexal {

// Tooltips | Highlight, Word Wrap.
class WidPageSourceToolbar final : public BaseConsoleToolbar
{
    Q_OBJECT
public:
    explicit WidPageSourceToolbar(QWidget* parent = nullptr);

signals:
    void onHighlight();
    void onWordWrap();

protected:
    void createButtons() override;
};

} // namespace Vexal
