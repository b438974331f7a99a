#pragma once

#include "automation/BaseTypeTemplateTable.h"

namespace Vexal {

class WidRegistrationTemplateTable final : public BaseTypeTemplateTable
{
    Q_OBJECT
public:
    WidRegistrationTemplateTable(SyncManager* syncManager, QWidget* parent);
};

} // namespace Vexal
