#pragma once

#include "content/BaseContentEditor.h"

namespace Vexal {

class WidCategoryComboBox;

// A category: name, master category and comments. A category cannot be its
// own master.
class WidCategoryEditor final : public BaseContentEditor
{
    Q_OBJECT
public:
    explicit WidCategoryEditor(QWidget* parent = nullptr);

    WidCategoryComboBox* masterBox = nullptr;

protected:
    void createWidgets() override;
    bool validate() override;
};

} // namespace Vexal
