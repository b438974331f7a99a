#pragma once

#include "data/DBOwnedRecord.h"

namespace Vexal {

// One row of "Category"; MasterID names the master category (-1 = none).
class DBCategory final
    : public DBOwnedRecord<DBCategory, &DBSql::tableCategory, &LocaleSql::tableCategories, &DBSql::colMasterID, -1>
{
    Q_OBJECT
public:
    using DBOwnedRecord::DBOwnedRecord;

    qint64 masterId() const { return ownerId(); }
    void setMasterId(qint64 masterId) { setOwnerId(masterId); }
};

} // namespace Vexal
