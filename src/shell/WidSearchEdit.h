#pragma once

#include "shell/WidLocationEdit.h"

namespace Vexal {

// The frameless search field: Return or Enter emits onExecute(), taking the
// focus selects the whole text (the address field's behaviour).
class WidSearchEdit final : public WidLocationEdit
{
    Q_OBJECT
public:
    explicit WidSearchEdit(QWidget* parent = nullptr);
};

} // namespace Vexal
