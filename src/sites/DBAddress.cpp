#include "sites/DBAddress.h"

#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

const DBFields& DBAddress::fields() const
{
    static const DBFields table(ownedFields(),
                                {
                                    DBField::text(&DBSql::colDetails, &DBAddress::m_details, detailsLimit),
                                });
    return table;
}

} // namespace Vexal
