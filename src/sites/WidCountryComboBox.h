#pragma once

#include "sites/DBCountryList.h"
#include "views/BaseComboBox.h"

namespace Vexal {

// Every country, sorted by name.
class WidCountryComboBox final : public BaseListComboBox<DBCountryList>
{
    Q_OBJECT
public:
    using BaseListComboBox::BaseListComboBox;

    QString emptyMessage() const override;
};

} // namespace Vexal
