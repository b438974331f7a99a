#include "sites/DBCity.h"

#include "core/Convert.h"
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

void DBCity::setProvince(const QString& province)
{
    markModified();
    m_province = Convert::leftText(province, provinceLimit);
}

} // namespace Vexal
