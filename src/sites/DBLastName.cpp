#include "sites/DBLastName.h"

#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

const DBFields& DBLastName::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::integer(&DBSql::colLanguageID, &DBLastName::m_languageId),
                                });
    return table;
}

void DBLastName::setLanguageId(int languageId)
{
    markModified();
    m_languageId = languageId;
}

} // namespace Vexal
