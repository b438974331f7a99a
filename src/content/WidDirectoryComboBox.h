#pragma once

#include "views/BaseComboBox.h"

namespace Vexal {

// The directory entries of the current project, sorted by name.
class WidDirectoryComboBox final : public BaseComboBox
{
    Q_OBJECT
public:
    explicit WidDirectoryComboBox(QWidget* parent = nullptr);

    void reload();
};

} // namespace Vexal
