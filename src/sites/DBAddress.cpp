#include "sites/DBAddress.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

const DBFields& DBAddress::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::integer(&DBSql::colCountryID, &DBAddress::m_countryId),
                                    DBField::text(&DBSql::colDetails, &DBAddress::m_details, detailsLimit),
                                });
    return table;
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
