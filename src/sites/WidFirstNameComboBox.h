#pragma once

#include "views/BaseComboBox.h"

namespace Vexal {

// The first names of one language and gender, sorted by name.
class WidFirstNameComboBox final : public BaseComboBox
{
    Q_OBJECT
public:
    explicit WidFirstNameComboBox(QWidget* parent = nullptr);

    void reload(int languageId, bool gender);
};

} // namespace Vexal
