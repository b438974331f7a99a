#pragma once

#include "views/BasePageEditor.h"

namespace Vexal {

// The editor tab of one bookmark: the page rows and Visible. Every save
// rebuilds the Bookmarks menu.
class WidBookmarkEditor final : public BasePageEditor
{
    Q_OBJECT
public:
    explicit WidBookmarkEditor(QWidget* parent = nullptr);

    QCheckBox* visibleBox = nullptr;

protected:
    void createKindWidgets() override;
    void storeWidgets(DBBase* record) override;
    void afterSave(DBBase* record) override;
};

} // namespace Vexal
