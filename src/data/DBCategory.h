#pragma once

#include "data/DBKind.h"

namespace Vexal {

// One row of "Category"; MasterID names the master category (-1 = none).
class DBCategory final : public DBKind<DBCategory, &DBSql::tableCategory, &LocaleSql::tableCategories>
{
    Q_OBJECT
public:
    using DBKind::DBKind;

    const DBFields& fields() const override;

    int masterId() const { return m_masterId; }
    void setMasterId(int masterId);

private:
    int m_masterId = -1;
};

} // namespace Vexal
