#pragma once

#include "data/DBKind.h"

namespace Vexal {

// One row of "LastName": a last name (its Name) of one language.
class DBLastName final : public DBKind<DBLastName, &DBSql::tableLastName, &LocaleSql::tableLastNames>
{
    Q_OBJECT
public:
    using DBKind::DBKind;

    const DBFields& fields() const override;

    int languageId() const { return m_languageId; }

    void setLanguageId(int languageId);

private:
    int m_languageId = 0;
};

} // namespace Vexal
