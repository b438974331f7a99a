#pragma once

#include "views/WidFilterBase.h"

#include <QLineEdit>

namespace Vexal {

// Row of a text column: contains, starts with, ends with, equals, differs.
class WidStringFilter final : public WidEditorFilter<QLineEdit, WidFilterBase::TextMatches, WidFilterBase::NaturalWidth>
{
    Q_OBJECT
public:
    using WidEditorFilter::WidEditorFilter;
};

} // namespace Vexal
