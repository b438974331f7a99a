#include "sites/DBLastName.h"

#include "core/DBSql.h"
#include "data/DBField.h"
#include "texts/LocaleSql.h"

namespace Vexal {

DBLastName::DBLastName(QObject* parent)
    : DBBase(parent)
{
}

const DBFields& DBLastName::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::integer(&DBSql::colLanguageID, &DBLastName::m_languageId),
                                });
    return table;
}

DBBase* DBLastName::create(QObject* parent) const
{
    return new DBLastName(parent);
}

QString DBLastName::tableName() const
{
    return DBSql::tableLastName();
}

QString DBLastName::displayName() const
{
    return LocaleSql::tableLastNames();
}

void DBLastName::setLanguageId(int languageId)
{
    markModified();
    m_languageId = languageId;
}

} // namespace Vexal
