#include "content/DBSynonym.h"

#include "core/DBSql.h"
#include "data/DBField.h"
#include "texts/LocaleSql.h"

namespace Vexal {

DBSynonym::DBSynonym(QObject* parent)
    : DBBase(parent)
{
}

const DBFields& DBSynonym::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::integer(&DBSql::colWordID, &DBSynonym::m_wordId),
                                });
    return table;
}

DBBase* DBSynonym::create(QObject* parent) const
{
    return new DBSynonym(parent);
}

QString DBSynonym::tableName() const
{
    return DBSql::tableSynonym();
}

QString DBSynonym::displayName() const
{
    return LocaleSql::tableSynonyms();
}

void DBSynonym::setWordId(int wordId)
{
    markModified();
    m_wordId = wordId;
}

} // namespace Vexal
