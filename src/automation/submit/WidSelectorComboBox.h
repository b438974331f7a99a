#pragma once

#include <QComboBox>

namespace Vexal {

// The editable selector box of the selector tool. Return or Enter emits
// onReturnPressed; typed text enters the history only through
// addCurrentToHistory (no insertion on Return).
class WidSelectorComboBox final : public QComboBox
{
    Q_OBJECT
public:
    explicit WidSelectorComboBox(QWidget* parent = nullptr);

    // Appends the current text as the last item and makes it current, unless
    // an item already has that text ignoring case.
    void addCurrentToHistory();

signals:
    void onReturnPressed();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace Vexal
