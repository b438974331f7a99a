#pragma once

#include "views/BaseToolbar.h"

#include <QWidget>

namespace Vexal {

// Tooltips | Highlight, Word Wrap.
class WidPageSourceToolbar : public QWidget, public BaseToolbar
{
    Q_OBJECT
public:
    explicit WidPageSourceToolbar(QWidget* parent = nullptr);

signals:
    void onHighlight();
    void onWordWrap();

public slots:
    void slotTooltips();

protected:
    void createTooltipsButton() override;
    void createButtons() override;
    QWidget* barWidget() override { return this; }
};

} // namespace Vexal
