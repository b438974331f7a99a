#pragma once

#include "automation/templates/BaseTemplateEditor.h"

namespace Vexal {

// Article template: General and the article selectors; Articles websites.
class WidArticleTemplateEditor final : public BaseTemplateEditor
{
    Q_OBJECT
public:
    explicit WidArticleTemplateEditor(QWidget* parent = nullptr);

protected:
    void createWidgets() override;
};

} // namespace Vexal
