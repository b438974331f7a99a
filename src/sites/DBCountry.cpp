#include "sites/DBCountry.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "data/DBField.h"
#include "texts/LocaleSql.h"

namespace Vexal {

DBCountry::DBCountry(QObject* parent)
    : DBBase(parent)
{
}

const DBFields& DBCountry::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::text(&DBSql::colCode, &DBCountry::m_code, codeLimit),
                                });
    return table;
}

DBBase* DBCountry::create(QObject* parent) const
{
    return new DBCountry(parent);
}

QString DBCountry::tableName() const
{
    return DBSql::tableCountry();
}

QString DBCountry::displayName() const
{
    return LocaleSql::tableCountries();
}

void DBCountry::setCode(const QString& code)
{
    markModified();
    m_code = Convert::leftText(code, codeLimit);
}

} // namespace Vexal
