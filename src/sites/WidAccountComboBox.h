#pragma once

#include "views/BaseComboBox.h"

namespace Vexal {

// The chooser of the accounts of one project on one website, sorted by name.
class WidAccountComboBox final : public BaseComboBox
{
    Q_OBJECT
public:
    explicit WidAccountComboBox(QWidget* parent = nullptr);

    void reload(int projectId, int websiteId);
};

} // namespace Vexal
