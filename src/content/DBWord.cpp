#include "content/DBWord.h"

#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

const DBFields& DBWord::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::integer(&DBSql::colLanguageID, &DBWord::m_languageId),
                                });
    return table;
}

void DBWord::setLanguageId(int languageId)
{
    markModified();
    m_languageId = languageId;
}

} // namespace Vexal
