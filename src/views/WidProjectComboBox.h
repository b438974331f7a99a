#pragma once

#include "data/DBProjectList.h"
#include "views/BaseComboBox.h"

namespace Vexal {

// The project chooser: every project, sorted by name.
class WidProjectComboBox final : public BaseListComboBox<DBProjectList>
{
    Q_OBJECT
public:
    using BaseListComboBox::BaseListComboBox;
};

} // namespace Vexal
