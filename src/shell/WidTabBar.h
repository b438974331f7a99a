#pragma once

#include <QTabBar>

namespace Vexal {

// The tab manager's tab bar: the usual tabs with a dark line along the bottom.
class WidTabBar final : public QTabBar
{
    Q_OBJECT
public:
    explicit WidTabBar(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace Vexal
