#include "data/DBCategory.h"

#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

const DBFields& DBCategory::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::integer(&DBSql::colMasterID, &DBCategory::m_masterId),
                                });
    return table;
}

void DBCategory::setMasterId(int masterId)
{
    markModified();
    m_masterId = masterId;
}

} // namespace Vexal
