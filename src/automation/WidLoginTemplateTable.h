#pragma once

#include "automation/BaseTypeTemplateTable.h"

namespace Vexal {

class WidLoginTemplateTable final : public BaseTypeTemplateTable
{
    Q_OBJECT
public:
    WidLoginTemplateTable(SyncManager* syncManager, QWidget* parent);
};

} // namespace Vexal
