#pragma once

#include "views/BaseEditor.h"

namespace Vexal {

// A country: name, code and comments.
class WidCountryEditor final : public BaseEditor
{
    Q_OBJECT
public:
    explicit WidCountryEditor(QWidget* parent = nullptr);

    QLineEdit* codeEdit = nullptr;

protected:
    void createWidgets() override;
};

} // namespace Vexal
