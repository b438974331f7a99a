#pragma once

#include "views/WidFilterBase.h"

#include <QCheckBox>

namespace Vexal {

// Row of a bool column: equals only.
class WidBoolFilter final : public WidEditorFilter<QCheckBox, WidFilterBase::EqualOnly, WidFilterBase::FillWidth>
{
    Q_OBJECT
public:
    using WidEditorFilter::WidEditorFilter;
};

} // namespace Vexal
