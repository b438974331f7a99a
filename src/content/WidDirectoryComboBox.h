#pragma once

#include "data/DBDirectoryList.h"
#include "views/BaseComboBox.h"

namespace Vexal {

// The directory entries of the current project, sorted by name.
class WidDirectoryComboBox final : public BaseProjectComboBox<DBDirectoryList>
{
    Q_OBJECT
public:
    using BaseProjectComboBox::BaseProjectComboBox;
};

} // namespace Vexal
