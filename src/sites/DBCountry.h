#pragma once

#include "data/DBKind.h"

namespace Vexal {

// One row of "Country": a country (its Name) and its code.
class DBCountry final : public DBKind<DBCountry, &DBSql::tableCountry, &LocaleSql::tableCountries>
{
    Q_OBJECT
public:
    static constexpr int codeLimit = 128;

    using DBKind::DBKind;

    const DBFields& fields() const override;

    QString code() const { return m_code; }

    void setCode(const QString& code) { change(m_code, code, codeLimit); }

private:
    QString m_code;
};

} // namespace Vexal
