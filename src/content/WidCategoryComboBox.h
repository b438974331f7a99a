#pragma once

#include "data/DBCategoryList.h"
#include "views/BaseComboBox.h"

namespace Vexal {

// Every category, sorted by name.
class WidCategoryComboBox final : public BaseListComboBox<DBCategoryList>
{
    Q_OBJECT
public:
    using BaseListComboBox::BaseListComboBox;
};

} // namespace Vexal
