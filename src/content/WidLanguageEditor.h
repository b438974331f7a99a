#pragma once

#include "content/BaseContentEditor.h"

namespace Vexal {

// A language: name and comments.
class WidLanguageEditor final : public BaseContentEditor
{
    Q_OBJECT
public:
    explicit WidLanguageEditor(QWidget* parent = nullptr);

protected:
    void createWidgets() override;
};

} // namespace Vexal
