#include "data/DBUserTable.h"

#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

const DBFields& DBUserTable::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::text(&DBSql::colFriendlyName, &DBUserTable::m_friendlyName, friendlyNameLimit),
                                });
    return table;
}

QString DBUserTable::friendlyName() const
{
    return m_friendlyName;
}

} // namespace Vexal
