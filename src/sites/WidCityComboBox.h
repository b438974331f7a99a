#pragma once

#include "sites/DBCityList.h"
#include "views/BaseComboBox.h"

namespace Vexal {

// The cities of one country, sorted by name: reload(countryId).
class WidCityComboBox final : public BaseListComboBox<DBCityList, qint64>
{
    Q_OBJECT
public:
    using BaseListComboBox::BaseListComboBox;
};

} // namespace Vexal
