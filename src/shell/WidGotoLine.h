#pragma once

#include "shell/WidFindBase.h"

class QSpinBox;

namespace Vexal {

// The go-to-line bar: a line number from 0 to 10000 and a Go button.
class WidGotoLine final : public WidFindBase
{
    Q_OBJECT
public:
    explicit WidGotoLine(QWidget* parent = nullptr);

    void activate(const QString& text) override;

    QSpinBox* spinBox() const { return m_spinBox; }
    QToolButton* goButton() const { return m_goButton; }

signals:
    void onGotoLine(int value);

public slots:
    void slotGotoLine();

protected:
    void create() override;

private:
    QSpinBox* m_spinBox = nullptr;
    QToolButton* m_goButton = nullptr;
};

} // namespace Vexal
