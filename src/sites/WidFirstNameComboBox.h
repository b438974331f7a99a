#pragma once

#include "sites/DBFirstNameList.h"
#include "views/BaseComboBox.h"

namespace Vexal {

// The first names of one language and gender, sorted by name:
// reload(languageId, gender).
class WidFirstNameComboBox final : public BaseListComboBox<DBFirstNameList, qint64, bool>
{
    Q_OBJECT
public:
    using BaseListComboBox::BaseListComboBox;
};

} // namespace Vexal
