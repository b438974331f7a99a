#pragma once

#include "views/BaseComboBox.h"

namespace Vexal {

// The last names of one language, sorted by name.
class WidLastNameComboBox final : public BaseComboBox
{
    Q_OBJECT
public:
    explicit WidLastNameComboBox(QWidget* parent = nullptr);

    void reload(int languageId);
};

} // namespace Vexal
