#pragma once

#include "core/DBSql.h"
#include "views/BaseTable.h"

namespace Vexal {

// The URL shortcuts: table "UrlShortcut" with its saved or default layout.
class WidUrlShortcutTable final
    : public BaseRecordTable<BaseTable, &DBSql::tableUrlShortcut>
{
    Q_OBJECT
public:
    using BaseRecordTable::BaseRecordTable;
};

} // namespace Vexal
