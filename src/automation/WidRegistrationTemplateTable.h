#pragma once

#include "automation/BaseTypeTemplateTable.h"

namespace Vexal {

class WidRegistrationTemplateTable : public BaseTypeTemplateTable
{
    Q_OBJECT
public:
    WidRegistrationTemplateTable(SyncManager* syncManager, QWidget* parent);
};

} // namespace Vexal
