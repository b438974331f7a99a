#pragma once

#include "views/BaseTable.h"

namespace Vexal {

// The stored countries.
class WidCountryTable final : public BaseTable
{
    Q_OBJECT
public:
    explicit WidCountryTable(SyncManager* syncManager, QWidget* parent = nullptr);
};

} // namespace Vexal
