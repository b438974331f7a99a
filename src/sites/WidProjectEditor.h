#pragma once

#include "views/BaseEditor.h"

namespace Vexal {

// Name, URL and comments of a project. Saving the current project refreshes
// the cached project and tells the window.
class WidProjectEditor final : public BaseEditor
{
    Q_OBJECT
public:
    explicit WidProjectEditor(QWidget* parent = nullptr);

    QLineEdit* urlEdit = nullptr;

protected:
    void createWidgets() override;
    void afterSave(DBBase* record) override;
};

} // namespace Vexal
