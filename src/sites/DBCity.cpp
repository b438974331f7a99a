#include "sites/DBCity.h"

#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

const DBFields& DBCity::fields() const
{
    static const DBFields table(ownedFields(),
                                {
                                    DBField::text(&DBSql::colProvince, &DBCity::m_province, provinceLimit),
                                });
    return table;
}

} // namespace Vexal
