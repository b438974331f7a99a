#pragma once

#include "data/DBOwnedRecord.h"

namespace Vexal {

// One row of "City": a city (its Name) of one country, with its province.
class DBCity final : public DBOwnedRecord<DBCity, &DBSql::tableCity, &LocaleSql::tableCities, &DBSql::colCountryID, -1>
{
    Q_OBJECT
public:
    static constexpr int provinceLimit = 128;

    using DBOwnedRecord::DBOwnedRecord;

    const DBFields& fields() const override;

    qint64 countryId() const { return ownerId(); }
    QString province() const { return m_province; }

    void setCountryId(qint64 countryId) { setOwnerId(countryId); }
    void setProvince(const QString& province) { change(m_province, province, provinceLimit); }

private:
    QString m_province;
};

} // namespace Vexal
