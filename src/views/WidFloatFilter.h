#pragma once

#include "views/WidFilterBase.h"

#include <QDoubleSpinBox>

namespace Vexal {

// Row of a float column (0.00 to 99.99, two decimals).
class WidFloatFilter final
    : public WidEditorFilter<QDoubleSpinBox, WidFilterBase::Comparisons, WidFilterBase::NaturalWidth>
{
    Q_OBJECT
public:
    using WidEditorFilter::WidEditorFilter;
};

} // namespace Vexal
