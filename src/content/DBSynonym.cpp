#include "content/DBSynonym.h"

#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

const DBFields& DBSynonym::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::integer(&DBSql::colWordID, &DBSynonym::m_wordId),
                                });
    return table;
}

void DBSynonym::setWordId(int wordId)
{
    markModified();
    m_wordId = wordId;
}

} // namespace Vexal
