#include "sites/DBCity.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "data/DBField.h"
#include "texts/LocaleSql.h"

namespace Vexal {

DBCity::DBCity(QObject* parent)
    : DBBase(parent)
{
}

const DBFields& DBCity::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::integer(&DBSql::colCountryID, &DBCity::m_countryId),
                                    DBField::text(&DBSql::colProvince, &DBCity::m_province, provinceLimit),
                                });
    return table;
}

DBBase* DBCity::create(QObject* parent) const
{
    return new DBCity(parent);
}

QString DBCity::tableName() const
{
    return DBSql::tableCity();
}

QString DBCity::displayName() const
{
    return LocaleSql::tableCities();
}

void DBCity::setCountryId(int countryId)
{
    markModified();
    m_countryId = countryId;
}

void DBCity::setProvince(const QString& province)
{
    markModified();
    m_province = Convert::leftText(province, provinceLimit);
}

} // namespace Vexal
