#pragma once

#include "data/DBKind.h"

namespace Vexal {

// One row of "Address": a street address (its Name) in one country, with
// its details.
class DBAddress final : public DBKind<DBAddress, &DBSql::tableAddress, &LocaleSql::tableAddresses>
{
    Q_OBJECT
public:
    static constexpr int detailsLimit = 128;

    using DBKind::DBKind;

    const DBFields& fields() const override;

    int countryId() const { return m_countryId; }
    QString details() const { return m_details; }

    void setCountryId(int countryId);
    void setDetails(const QString& details);

private:
    int m_countryId = -1;
    QString m_details;
};

} // namespace Vexal
