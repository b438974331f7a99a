#pragma once

#include "content/BaseContentEditor.h"

namespace Vexal {

class WidLanguageComboBox;

// A last name: name, its language (required; a new one starts on the Init's
// second id) and comments.
class WidLastNameEditor final : public BaseContentEditor
{
    Q_OBJECT
public:
    explicit WidLastNameEditor(QWidget* parent = nullptr);

    WidLanguageComboBox* languageBox = nullptr;

protected:
    void createWidgets() override;
};

} // namespace Vexal
