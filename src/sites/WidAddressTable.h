#pragma once

#include "views/BaseTable.h"

namespace Vexal {

// The stored addresses.
class WidAddressTable final : public BaseTable
{
    Q_OBJECT
public:
    explicit WidAddressTable(SyncManager* syncManager, QWidget* parent = nullptr);
};

} // namespace Vexal
