#pragma once

#include "automation/BaseTemplateEditor.h"

namespace Vexal {

// Social bookmark template: General and the bookmark selectors; Social Bookmarks websites.
class WidSocialBookmarkTemplateEditor final : public BaseTemplateEditor
{
    Q_OBJECT
public:
    explicit WidSocialBookmarkTemplateEditor(QWidget* parent = nullptr);

    QString typeName() const override;
    int websiteType() const override;

protected:
    DBBase* createRecord() override;
    void createWidgets() override;
    void createBody() override;
};

} // namespace Vexal
