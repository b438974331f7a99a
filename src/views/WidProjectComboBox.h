#pragma once

#include "views/BaseComboBox.h"

namespace Vexal {

// The project chooser: every project, sorted by name.
class WidProjectComboBox final : public BaseComboBox
{
    Q_OBJECT
public:
    explicit WidProjectComboBox(QWidget* parent = nullptr);

    void reload();
};

} // namespace Vexal
