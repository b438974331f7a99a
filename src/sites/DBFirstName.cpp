#include "sites/DBFirstName.h"

#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

const DBFields& DBFirstName::fields() const
{
    static const DBFields table(ownedFields(),
                                {
                                    DBField::flag(&DBSql::colGender, &DBFirstName::m_gender),
                                });
    return table;
}

} // namespace Vexal
