#include "sites/DBCountry.h"

#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

const DBFields& DBCountry::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::text(&DBSql::colCode, &DBCountry::m_code, codeLimit),
                                });
    return table;
}

} // namespace Vexal
