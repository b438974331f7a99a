#pragma once

#include "views/BaseTable.h"

namespace Vexal {

// The URL shortcuts: table "UrlShortcut" with its saved or default layout.
class WidUrlShortcutTable final : public BaseTable
{
    Q_OBJECT
public:
    WidUrlShortcutTable(SyncManager* syncManager, QWidget* parent = nullptr);
};

} // namespace Vexal
