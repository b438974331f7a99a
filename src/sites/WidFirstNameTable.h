#pragma once

#include "views/BaseTable.h"

namespace Vexal {

// The stored first names.
class WidFirstNameTable final : public BaseTable
{
    Q_OBJECT
public:
    explicit WidFirstNameTable(SyncManager* syncManager, QWidget* parent = nullptr);
};

} // namespace Vexal
