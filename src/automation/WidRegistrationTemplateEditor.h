#pragma once

#include "automation/BaseTemplateEditor.h"

namespace Vexal {

// Registration template: pages General, Account and Address.
class WidRegistrationTemplateEditor final : public BaseTemplateEditor
{
    Q_OBJECT
public:
    explicit WidRegistrationTemplateEditor(QWidget* parent = nullptr);

    QString typeName() const override;

protected:
    DBBase* createRecord() override;
    void createWidgets() override;
    void createBody() override;
};

} // namespace Vexal
