#pragma once

#include "views/BaseComboBox.h"

namespace Vexal {

// Every category, sorted by name.
class WidCategoryComboBox final : public BaseComboBox
{
    Q_OBJECT
public:
    explicit WidCategoryComboBox(QWidget* parent = nullptr);

    void reload();
};

} // namespace Vexal
