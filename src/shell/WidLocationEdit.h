#pragma once

#include <QLineEdit>

namespace Vexal {

// The frameless address field: Return or Enter emits onExecute(), taking the
// focus selects the whole text. The search field behaves the same.
class WidLocationEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit WidLocationEdit(QWidget* parent = nullptr);

signals:
    void onExecute();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace Vexal
