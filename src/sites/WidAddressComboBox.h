#pragma once

#include "sites/DBAddressList.h"
#include "views/BaseComboBox.h"

namespace Vexal {

// The addresses of one country, sorted by name: reload(countryId).
class WidAddressComboBox final : public BaseListComboBox<DBAddressList, qint64>
{
    Q_OBJECT
public:
    using BaseListComboBox::BaseListComboBox;
};

} // namespace Vexal
