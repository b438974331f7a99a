#pragma once

#include "views/WidFilterBase.h"

#include <QDateEdit>

namespace Vexal {

// Row of a date column.
class WidDateFilter final : public WidEditorFilter<QDateEdit, WidFilterBase::Comparisons, WidFilterBase::StretchAfter>
{
    Q_OBJECT
public:
    using WidEditorFilter::WidEditorFilter;
};

} // namespace Vexal
