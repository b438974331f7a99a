#pragma once

#include "views/BaseComboBox.h"

namespace Vexal {

// Every country, sorted by name.
class WidCountryComboBox final : public BaseComboBox
{
    Q_OBJECT
public:
    explicit WidCountryComboBox(QWidget* parent = nullptr);

    void reload();
    QString emptyMessage() const override;
};

} // namespace Vexal
