#pragma once

#include "views/BasePageEditor.h"

namespace Vexal {

// The editor tab of one visit.
class WidHistoryEditor final : public BasePageEditor
{
    Q_OBJECT
public:
    explicit WidHistoryEditor(QWidget* parent = nullptr);
};

} // namespace Vexal
