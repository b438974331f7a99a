#pragma once

#include "views/BaseTable.h"

namespace Vexal {

// The stored cities.
class WidCityTable final : public BaseTable
{
    Q_OBJECT
public:
    explicit WidCityTable(SyncManager* syncManager, QWidget* parent = nullptr);
};

} // namespace Vexal
