#pragma once

#include "data/DBAccountList.h"
#include "views/BaseComboBox.h"

namespace Vexal {

// The chooser of the accounts of one project on one website, sorted by name:
// reload(projectId, websiteId).
class WidAccountComboBox final : public BaseListComboBox<DBAccountList, qint64, qint64>
{
    Q_OBJECT
public:
    using BaseListComboBox::BaseListComboBox;
};

} // namespace Vexal
