#pragma once

#include "core/DBSql.h"
#include "views/BaseTable.h"

namespace Vexal {

// The languages (ID, Name and Comments as stored).
class WidLanguageTable final : public BaseRecordTable<BaseTable, &DBSql::tableLanguage>
{
    Q_OBJECT
public:
    using BaseRecordTable::BaseRecordTable;
};

} // namespace Vexal
