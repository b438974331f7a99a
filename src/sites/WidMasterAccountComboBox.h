#pragma once

#include "views/BaseComboBox.h"

namespace Vexal {

// The chooser of every master account, sorted by name.
class WidMasterAccountComboBox final : public BaseComboBox
{
    Q_OBJECT
public:
    explicit WidMasterAccountComboBox(QWidget* parent = nullptr);

    void reload();
};

} // namespace Vexal
