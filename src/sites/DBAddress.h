#pragma once

#include "data/DBOwnedRecord.h"

namespace Vexal {

// One row of "Address": a street address (its Name) in one country, with
// its details.
class DBAddress final
    : public DBOwnedRecord<DBAddress, &DBSql::tableAddress, &LocaleSql::tableAddresses, &DBSql::colCountryID, -1>
{
    Q_OBJECT
public:
    static constexpr int detailsLimit = 128;

    using DBOwnedRecord::DBOwnedRecord;

    const DBFields& fields() const override;

    qint64 countryId() const { return ownerId(); }
    QString details() const { return m_details; }

    void setCountryId(qint64 countryId) { setOwnerId(countryId); }
    void setDetails(const QString& details) { change(m_details, details, detailsLimit); }

private:
    QString m_details;
};

} // namespace Vexal
