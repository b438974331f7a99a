#include "sites/DBRank.h"

#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

const DBFields& DBRank::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::text(&DBSql::colHost, &DBRank::m_host, hostLimit),
                                    DBField::date(&DBSql::colCreateDate, &DBRank::m_createDate),
                                    DBField::integer(&DBSql::colGoogle, &DBRank::m_google),
                                    DBField::integer(&DBSql::colAlexa, &DBRank::m_alexa),
                                });
    return table;
}

} // namespace Vexal
