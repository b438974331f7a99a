#pragma once

#include "sites/DBLastNameList.h"
#include "views/BaseComboBox.h"

namespace Vexal {

// The last names of one language, sorted by name: reload(languageId).
class WidLastNameComboBox final : public BaseListComboBox<DBLastNameList, qint64>
{
    Q_OBJECT
public:
    using BaseListComboBox::BaseListComboBox;
};

} // namespace Vexal
