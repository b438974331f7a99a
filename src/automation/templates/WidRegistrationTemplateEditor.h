#pragma once

#include "automation/templates/BaseTemplateEditor.h"

namespace Vexal {

// Registration template: pages General, Account and Address.
class WidRegistrationTemplateEditor final : public BaseTemplateEditor
{
    Q_OBJECT
public:
    explicit WidRegistrationTemplateEditor(QWidget* parent = nullptr);

protected:
    void createWidgets() override;
};

} // namespace Vexal
