#pragma once

#include "automation/templates/BaseTemplateEditor.h"

namespace Vexal {

// Login template: one form, the three selectors of a login form.
class WidLoginTemplateEditor final : public BaseTemplateEditor
{
    Q_OBJECT
public:
    explicit WidLoginTemplateEditor(QWidget* parent = nullptr);

protected:
    void createBody() override;
    void createWidgets() override;
};

} // namespace Vexal
