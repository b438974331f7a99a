#pragma once

#include "views/WidFilterBase.h"

class QSpinBox;

namespace Vexal {

// Row of an integer column (the spin box keeps its range of 0 to 99).
class WidIntFilter final : public WidFilterBase
{
    Q_OBJECT
public:
    explicit WidIntFilter(QWidget* parent = nullptr);

    QVariant value() const override;
    QSpinBox* valueWidget() const { return m_value; }

protected:
    void create() override;

private:
    QSpinBox* m_value = nullptr;
};

} // namespace Vexal
