#include "content/DBWord.h"

#include "core/DBSql.h"
#include "data/DBField.h"
#include "texts/LocaleSql.h"

namespace Vexal {

DBWord::DBWord(QObject* parent)
    : DBBase(parent)
{
}

const DBFields& DBWord::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::integer(&DBSql::colLanguageID, &DBWord::m_languageId),
                                });
    return table;
}

DBBase* DBWord::create(QObject* parent) const
{
    return new DBWord(parent);
}

QString DBWord::tableName() const
{
    return DBSql::tableWord();
}

QString DBWord::displayName() const
{
    return LocaleSql::tableWords();
}

void DBWord::setLanguageId(int languageId)
{
    markModified();
    m_languageId = languageId;
}

} // namespace Vexal
