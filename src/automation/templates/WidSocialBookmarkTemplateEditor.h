#pragma once

#include "automation/templates/BaseTemplateEditor.h"

namespace Vexal {

// Social bookmark template: General and the bookmark selectors; Social Bookmarks websites.
class WidSocialBookmarkTemplateEditor final : public BaseTemplateEditor
{
    Q_OBJECT
public:
    explicit WidSocialBookmarkTemplateEditor(QWidget* parent = nullptr);

protected:
    void createWidgets() override;
};

} // namespace Vexal
