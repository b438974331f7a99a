#pragma once

#include "views/BaseTable.h"

namespace Vexal {

class WidDirectoryTemplateTable final : public BaseTable
{
    Q_OBJECT
public:
    WidDirectoryTemplateTable(SyncManager* syncManager, QWidget* parent);
};

} // namespace Vexal
