#pragma once

#include "views/BaseComboBox.h"

namespace Vexal {

// The social bookmarks of the current project, sorted by name.
class WidSocialBookmarkComboBox final : public BaseComboBox
{
    Q_OBJECT
public:
    explicit WidSocialBookmarkComboBox(QWidget* parent = nullptr);

    void reload();
};

} // namespace Vexal
