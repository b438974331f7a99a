#include "sites/DBFirstName.h"

#include "core/DBSql.h"
#include "data/DBField.h"
#include "texts/LocaleSql.h"

namespace Vexal {

DBFirstName::DBFirstName(QObject* parent)
    : DBBase(parent)
{
}

const DBFields& DBFirstName::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::integer(&DBSql::colLanguageID, &DBFirstName::m_languageId),
                                    DBField::flag(&DBSql::colGender, &DBFirstName::m_gender),
                                });
    return table;
}

DBBase* DBFirstName::create(QObject* parent) const
{
    return new DBFirstName(parent);
}

QString DBFirstName::tableName() const
{
    return DBSql::tableFirstName();
}

QString DBFirstName::displayName() const
{
    return LocaleSql::tableFirstNames();
}

void DBFirstName::setLanguageId(int languageId)
{
    markModified();
    m_languageId = languageId;
}

void DBFirstName::setGender(bool gender)
{
    markModified();
    m_gender = gender;
}

} // namespace Vexal
