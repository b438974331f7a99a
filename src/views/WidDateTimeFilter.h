#pragma once

#include "views/WidFilterBase.h"

#include <QDateTimeEdit>

namespace Vexal {

// Row of a date-time column.
class WidDateTimeFilter final
    : public WidEditorFilter<QDateTimeEdit, WidFilterBase::Comparisons, WidFilterBase::StretchAfter>
{
    Q_OBJECT
public:
    using WidEditorFilter::WidEditorFilter;
};

} // namespace Vexal
