#pragma once

#include "data/DBKind.h"

namespace Vexal {

// One row of "FirstName": a first name (its Name) of one language, with its
// gender flag (true for the flag value 1), for the identity generator.
class DBFirstName final : public DBKind<DBFirstName, &DBSql::tableFirstName, &LocaleSql::tableFirstNames>
{
    Q_OBJECT
public:
    using DBKind::DBKind;

    const DBFields& fields() const override;

    int languageId() const { return m_languageId; }
    bool gender() const { return m_gender; }

    void setLanguageId(int languageId);
    void setGender(bool gender);

private:
    int m_languageId = 0;
    bool m_gender = true;
};

} // namespace Vexal
