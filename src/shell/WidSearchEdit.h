#pragma once

#include <QLineEdit>

namespace Vexal {

// The frameless search field: Return or Enter emits onExecute(), taking the
// focus selects the whole text.
class WidSearchEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit WidSearchEdit(QWidget* parent = nullptr);

signals:
    void onExecute();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace Vexal
