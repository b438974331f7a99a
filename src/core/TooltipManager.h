#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QToolButton;

namespace Vexal {

// Switches all buttons of one toolbar between icon only (text in the tooltip)
// and text under the icon. The buttons are not owned; deleted ones are skipped.
class TooltipManager final : public QObject
{
    Q_OBJECT
public:
    explicit TooltipManager(QObject* parent = nullptr);

    // A null button is ignored.
    void addButton(QToolButton* button);
    // Flips the look of every button, moving the text between tooltip and text.
    void toggle();

private:
    QList<QPointer<QToolButton>> m_buttons;
    bool m_iconOnly = true;
};

} // namespace Vexal
