#pragma once

#include "data/DBKind.h"

namespace Vexal {

// One row of "City": a city (its Name) of one country, with its province.
class DBCity final : public DBKind<DBCity, &DBSql::tableCity, &LocaleSql::tableCities>
{
    Q_OBJECT
public:
    static constexpr int provinceLimit = 128;

    using DBKind::DBKind;

    const DBFields& fields() const override;

    int countryId() const { return m_countryId; }
    QString province() const { return m_province; }

    void setCountryId(int countryId);
    void setProvince(const QString& province);

private:
    int m_countryId = -1;
    QString m_province;
};

} // namespace Vexal
