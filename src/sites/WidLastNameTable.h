#pragma once

#include "views/BaseTable.h"

namespace Vexal {

// The stored last names.
class WidLastNameTable final : public BaseTable
{
    Q_OBJECT
public:
    explicit WidLastNameTable(SyncManager* syncManager, QWidget* parent = nullptr);
};

} // namespace Vexal
