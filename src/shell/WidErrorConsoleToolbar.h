#pragma once

#include "shell/BaseConsoleToolbar.h"

class QToolButton;

namespace Vexal {

// Tooltips | Current | All, Errors, Warnings, Information | Clear | Reload.
// Current has no action: its icon shows the list in force.
class WidErrorConsoleToolbar final : public BaseConsoleToolbar
{
    Q_OBJECT
public:
    explicit WidErrorConsoleToolbar(QWidget* parent = nullptr);

    QToolButton* currentButton() const { return m_currentButton; }

signals:
    void onShowAll();
    void onShowErrors();
    void onShowWarnings();
    void onShowInfo();
    void onClear();
    void onReload();

public slots:
    void slotShowAll();
    void slotShowErrors();
    void slotShowWarnings();
    void slotShowInfo();

protected:
    void createButtons() override;

private:
    void setCurrentIcon(const QPixmap& pixmap);

    QToolButton* m_currentButton = nullptr;
};

} // namespace Vexal
