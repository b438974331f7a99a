#include "sites/DBAddress.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "data/DBField.h"
#include "texts/LocaleSql.h"

namespace Vexal {

DBAddress::DBAddress(QObject* parent)
    : DBBase(parent)
{
}

const DBFields& DBAddress::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::integer(&DBSql::colCountryID, &DBAddress::m_countryId),
                                    DBField::text(&DBSql::colDetails, &DBAddress::m_details, detailsLimit),
                                });
    return table;
}

DBBase* DBAddress::create(QObject* parent) const
{
    return new DBAddress(parent);
}

QString DBAddress::tableName() const
{
    return DBSql::tableAddress();
}

QString DBAddress::displayName() const
{
    return LocaleSql::tableAddresses();
}

void DBAddress::setCountryId(int countryId)
{
    markModified();
    m_countryId = countryId;
}

void DBAddress::setDetails(const QString& details)
{
    markModified();
    m_details = Convert::leftText(details, detailsLimit);
}

} // namespace Vexal
