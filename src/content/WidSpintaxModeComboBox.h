#pragma once

#include "views/BaseComboBox.h"

namespace Vexal {

// The spintax dialect of one article part: Extreme (2), Advance (4) and
// Classic (8), shown by their icons, the code as item data. A code it does
// not know selects Classic, as the spinner reads it.
class WidSpintaxModeComboBox final : public BaseComboBox
{
    Q_OBJECT
public:
    explicit WidSpintaxModeComboBox(QWidget* parent = nullptr);

    void reload();
    int currentMode() const { return int(currentId()); }
    void setCurrentMode(int mode);
};

} // namespace Vexal
