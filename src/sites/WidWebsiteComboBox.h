#pragma once

#include "views/BaseComboBox.h"

namespace Vexal {

// The chooser of websites of some type flags, sorted by name.
class WidWebsiteComboBox final : public BaseComboBox
{
    Q_OBJECT
public:
    explicit WidWebsiteComboBox(QWidget* parent = nullptr);

    void reload(int typeFlags);
    // Refills; the website of that id becomes current, the first one when id
    // is -1 or not among them.
    void reloadAndSelect(int typeFlags, int id);
};

} // namespace Vexal
