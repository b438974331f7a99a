#pragma once

#include "views/WidFilterBase.h"

class QDoubleSpinBox;

namespace Vexal {

// Row of a float column (0.00 to 99.99, two decimals).
class WidFloatFilter final : public WidFilterBase
{
    Q_OBJECT
public:
    explicit WidFloatFilter(QWidget* parent = nullptr);

    QVariant value() const override;
    QDoubleSpinBox* valueWidget() const { return m_value; }

protected:
    void create() override;

private:
    QDoubleSpinBox* m_value = nullptr;
};

} // namespace Vexal
