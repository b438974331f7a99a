#pragma once

#include "views/WidFilterBase.h"

#include <QSpinBox>

namespace Vexal {

// Row of an integer column (the spin box keeps its range of 0 to 99).
class WidIntFilter final : public WidEditorFilter<QSpinBox, WidFilterBase::Comparisons,
                                                  WidFilterBase::FixedWidth | WidFilterBase::StretchAfter>
{
    Q_OBJECT
public:
    using WidEditorFilter::WidEditorFilter;
};

} // namespace Vexal
