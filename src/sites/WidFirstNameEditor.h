#pragma once

#include "content/BaseContentEditor.h"

namespace Vexal {

class WidLanguageComboBox;

// A first name: name, its language (required; a new one starts on the Init's
// second id), the male flag and comments.
class WidFirstNameEditor final : public BaseContentEditor
{
    Q_OBJECT
public:
    explicit WidFirstNameEditor(QWidget* parent = nullptr);

    WidLanguageComboBox* languageBox = nullptr;
    QCheckBox* maleBox = nullptr;

protected:
    void createWidgets() override;
};

} // namespace Vexal
