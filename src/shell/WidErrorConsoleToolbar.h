#pragma once

#include "views/BaseToolbar.h"

#include <QWidget>

class QToolButton;

namespace Vexal {

// Tooltips | Current | All, Errors, Warnings, Information | Clear | Reload.
// Current has no action: its icon shows the list in force.
class WidErrorConsoleToolbar : public QWidget, public BaseToolbar
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
    void slotClear();
    void slotReload();
    void slotTooltips();

protected:
    void createTooltipsButton() override;
    void createButtons() override;
    QWidget* barWidget() override { return this; }

private:
    void setCurrentIcon(const QPixmap& pixmap);

    QToolButton* m_currentButton = nullptr;
};

} // namespace Vexal
