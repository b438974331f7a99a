#pragma once

#include "content/BaseContentEditor.h"

namespace Vexal {

class WidCategoryComboBox;

// A directory listing: name, category, title, tags, URL, description, the
// user name and email given to the directory, and comments.
class WidDirectoryEditor final : public BaseContentEditor
{
    Q_OBJECT
public:
    explicit WidDirectoryEditor(QWidget* parent = nullptr);

    WidCategoryComboBox* categoryBox = nullptr;
    QLineEdit* urlEdit = nullptr;

protected:
    void createWidgets() override;
};

} // namespace Vexal
