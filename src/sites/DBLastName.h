#pragma once

#include "data/DBOwnedRecord.h"

namespace Vexal {

// One row of "LastName": a last name (its Name) of one language.
class DBLastName final
    : public DBOwnedRecord<DBLastName, &DBSql::tableLastName, &LocaleSql::tableLastNames, &DBSql::colLanguageID, 0>
{
    Q_OBJECT
public:
    using DBOwnedRecord::DBOwnedRecord;

    qint64 languageId() const { return ownerId(); }
    void setLanguageId(qint64 languageId) { setOwnerId(languageId); }
};

} // namespace Vexal
