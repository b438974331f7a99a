#pragma once

#include "data/DBOwnedRecord.h"

namespace Vexal {

// One row of "FirstName": a first name (its Name) of one language, with its
// gender flag (true for the flag value 1), for the identity generator.
class DBFirstName final
    : public DBOwnedRecord<DBFirstName, &DBSql::tableFirstName, &LocaleSql::tableFirstNames, &DBSql::colLanguageID, 0>
{
    Q_OBJECT
public:
    using DBOwnedRecord::DBOwnedRecord;

    const DBFields& fields() const override;

    qint64 languageId() const { return ownerId(); }
    bool gender() const { return m_gender; }

    void setLanguageId(qint64 languageId) { setOwnerId(languageId); }
    void setGender(bool gender) { change(m_gender, gender); }

private:
    bool m_gender = true;
};

} // namespace Vexal
