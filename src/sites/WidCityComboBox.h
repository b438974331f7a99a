#pragma once

#include "views/BaseComboBox.h"

namespace Vexal {

// The cities of one country, sorted by name.
class WidCityComboBox final : public BaseComboBox
{
    Q_OBJECT
public:
    explicit WidCityComboBox(QWidget* parent = nullptr);

    void reload(int countryId);
};

} // namespace Vexal
