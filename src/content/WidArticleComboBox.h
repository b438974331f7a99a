#pragma once

#include "views/BaseComboBox.h"

namespace Vexal {

// The articles of the current project, sorted by name.
class WidArticleComboBox final : public BaseComboBox
{
    Q_OBJECT
public:
    explicit WidArticleComboBox(QWidget* parent = nullptr);

    void reload();
};

} // namespace Vexal
