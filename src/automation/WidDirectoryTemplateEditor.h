#pragma once

#include "automation/BaseTemplateEditor.h"

namespace Vexal {

// Directory template: General and the directory selectors; Directories websites.
class WidDirectoryTemplateEditor final : public BaseTemplateEditor
{
    Q_OBJECT
public:
    explicit WidDirectoryTemplateEditor(QWidget* parent = nullptr);

    QString typeName() const override;
    int websiteType() const override;

protected:
    DBBase* createRecord() override;
    void createWidgets() override;
    void createBody() override;
};

} // namespace Vexal
