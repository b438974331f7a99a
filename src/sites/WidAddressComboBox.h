#pragma once

#include "views/BaseComboBox.h"

namespace Vexal {

// The addresses of one country, sorted by name.
class WidAddressComboBox final : public BaseComboBox
{
    Q_OBJECT
public:
    explicit WidAddressComboBox(QWidget* parent = nullptr);

    void reload(int countryId);
};

} // namespace Vexal
