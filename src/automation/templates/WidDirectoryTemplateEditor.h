#pragma once

#include "automation/templates/BaseTemplateEditor.h"

namespace Vexal {

// Directory template: General and the directory selectors; Directories websites.
class WidDirectoryTemplateEditor final : public BaseTemplateEditor
{
    Q_OBJECT
public:
    explicit WidDirectoryTemplateEditor(QWidget* parent = nullptr);

protected:
    void createWidgets() override;
};

} // namespace Vexal
