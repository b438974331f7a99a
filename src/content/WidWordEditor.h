#pragma once

#include "content/BaseContentEditor.h"

namespace Vexal {

class WidLanguageComboBox;

// A word: name, its language (required; a new word starts on the Init's
// second id) and comments. A name may stand once per language.
class WidWordEditor final : public BaseContentEditor
{
    Q_OBJECT
public:
    explicit WidWordEditor(QWidget* parent = nullptr);

    WidLanguageComboBox* languageBox = nullptr;

protected:
    void createWidgets() override;
    bool validate() override;
};

} // namespace Vexal
