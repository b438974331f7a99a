#pragma once

#include "shell/BaseWebToolbar.h"

class QToolButton;

namespace Vexal {

// The selector tool's bar: Tooltips, Highlight, Copy, a separator, Close.
class ExtSelectorToolbar final : public BaseWebToolbar
{
    Q_OBJECT
public:
    ExtSelectorToolbar(const QString& title, QWidget* parent = nullptr);

    QToolButton* highlightButton() const { return m_highlight; }
    QToolButton* copyButton() const { return m_copy; }

signals:
    void onHighlight();
    void onCopy();

protected:
    void createExtraButtons() override;

private:
    QToolButton* m_highlight = nullptr;
    QToolButton* m_copy = nullptr;
};

} // namespace Vexal
