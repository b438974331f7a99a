#pragma once

#include "data/DBWebsiteList.h"
#include "views/BaseComboBox.h"

namespace Vexal {

// The chooser of websites of some type flags, sorted by name: reload(typeFlags).
class WidWebsiteComboBox final : public BaseListComboBox<DBWebsiteList, int>
{
    Q_OBJECT
public:
    using BaseListComboBox::BaseListComboBox;

    // Refills; the website of that id becomes current, the first one when id
    // is -1 or not among them.
    void reloadAndSelect(int typeFlags, qint64 id);
};

} // namespace Vexal
